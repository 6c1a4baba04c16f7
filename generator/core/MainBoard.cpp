#include "MainBoard.h"

#include "DaughterBoard.h"
#include "model/DaughterCatalogue.h"
#include "platform/Assert.h"
#include "platform/Text.h"

namespace {

struct BoardTitle {
    int id;
    const char* title;
};

constexpr BoardTitle kBoardTitles[] = {
    {1, "Arvel FPGA Board"},
    {2, "Belmic FPGA Board"},
    {3, "Cardix FPGA Board"},
    {4, "Dorvel FPGA Board"},
    {5, "Elbrin FPGA Board"},
    {6, "Fennic FPGA Board"},
    {7, "Galdor FPGA Board"},
    {8, "Harlin FPGA Board"},
    {9, "Isvar FPGA Board"},
    {10, "Jorrel FPGA Board"},
    {11, "Kestin FPGA Board"},
    {12, "Lomar FPGA Board"},
    {13, "Mirvo FPGA Board"},
    {14, "Norrik Board"},
    {15, "Ostrel"},
    {16, "Pallex"},
    {17, "Quenor"},
    {18, "Rasmel"},
    {19, "Cylone V SoC FPGA Board"},
    {20, "Tavrin"},
    {21, "Ulmaro Board"},
    {22, "Vardis Board"},
    {23, "Wendro Board"},
    {24, "Xylmar Board"},
    {25, "Yarrin Board"},
    {26, "Zephal MAX10 Board"},
    {27, "Abrenz"},
    {28, "Bostel Kit"},
    {29, "Calvex FPGA Board"},
    {30, "Dunmir Kit"},
    {31, "Embrel"},
    {32, "Forvik"},
    {50, "Glavin FPGA Board"},
    {100, "Arria II GX FPGA Board"},
    {101, "Stratix IV GX FPGA Board"},
};

} // namespace

int TMainBoard::AddConnector(TConnector* connector) {
    m_Connectors.emplace_back(connector);
    return static_cast<int>(m_Connectors.size()) - 1;
}

TConnector* TMainBoard::FindMasterConnector(int masterId) const {
    for (const auto& c : m_Connectors)
        if (c->GetMaster() == 1 && c->GetMasterId() == masterId)
            return c.get();
    return nullptr;
}

bool TMainBoard::IsLocationUsed(const std::string& location) const {
    for (const auto& c : m_Connectors)
        for (int i = 0; i < c->PinCount(); ++i) {
            const TPin* p = c->GetPin(i);
            if (p && p->GetDirection() != DIRECTION_NONE &&
                platform::EqualsNoCase(p->GetLocation(), location))
                return true;
        }
    return false;
}

std::string TMainBoard::GetDisplayName() const {
    for (const BoardTitle& t : kBoardTitles)
        if (t.id == m_BoardId)
            return t.title;
    platform::AssertFailed("0", "MainBoard", 471);
}

void TMainBoard::SortAllConnectors() {
    for (const auto& c : m_Connectors) {
        if (c->GetDaughterId() == -1) {
            if (c->GetType() != CONNECTOR_FMC_HPC && c->GetType() != CONNECTOR_FMC_LPC)
                c->SortPins();
        } else if (IsSortableBoard(static_cast<int8_t>(c->GetDaughterId()))) {
            c->SortPins();
        }
    }
}

bool TMainBoard::Attach(int masterId, uint8_t daughterId, const char* prefix, const char* pinName,
                        uint8_t ioStandard, int masterLine, int updateLine) {
    TConnector* pMasterConn = FindMasterConnector(masterId);
    PW_ASSERT(pMasterConn, "pMasterConn", "MainBoard", masterLine);
    TDaughterBoard daughter;
    if (!daughter.TryCreateBoard(daughterId, m_BoardId, 0, ioStandard, pinName, m_CardRules))
        return false;
    PW_ASSERT(daughter.UpdateMasterConnector(pMasterConn, prefix),
              "pDaughter->UpdateMasterConnector(pMasterConn, pPrefixName)", "MainBoard", updateLine);
    return true;
}

bool TMainBoard::AttachGpioDaughter(int masterId, uint8_t daughterId, const char* prefix, const char* pinName,
                                    uint8_t ioStandard) {
    uint8_t Type = BoardConnectorType(static_cast<int8_t>(daughterId));
    PW_ASSERT(Type == CONNECTOR_GPIO40 || Type == CONNECTOR_GPIO80,
              "Type == CONNECTOR_GPIO40 || Type == CONNECTOR_GPIO80", "MainBoard", 1360);
    return Attach(masterId, daughterId, prefix, pinName, ioStandard, 1363, 1369);
}

bool TMainBoard::AttachHsmcDaughter(int masterId, uint8_t daughterId, const char* prefix) {
    uint8_t Type = BoardConnectorType(static_cast<int8_t>(daughterId));
    PW_ASSERT(Type == CONNECTOR_HSMC, "Type == CONNECTOR_HSMC", "MainBoard", 1341);
    return Attach(masterId, daughterId, prefix, nullptr, IOSTD_3V3_LVTTL, 1345, 1350);
}

bool TMainBoard::AttachFmcDaughter(int masterId, uint8_t daughterId, const char* prefix) {
    uint8_t Type = BoardConnectorType(static_cast<int8_t>(daughterId));
    PW_ASSERT(Type == CONNECTOR_FMC_HPC || Type == CONNECTOR_FMC_LPC,
              "Type == CONNECTOR_FMC_HPC || Type == CONNECTOR_FMC_LPC", "MainBoard", 1322);
    return Attach(masterId, daughterId, prefix, nullptr, IOSTD_3V3_LVTTL, 1326, 1331);
}

namespace {

template <class Create>
bool AttachSodimm(TMainBoard& board, int masterId, const char* prefix, int masterLine, int updateLine,
                  Create create) {
    TConnector* pMasterConn = board.FindMasterConnector(masterId);
    PW_ASSERT(pMasterConn, "pMasterConn", "MainBoard", masterLine);
    TDaughterBoard daughter;
    create(daughter);
    PW_ASSERT(daughter.UpdateMasterConnector(pMasterConn, prefix),
              "pDaughter->UpdateMasterConnector(pMasterConn, pPrefixName)", "MainBoard", updateLine);
    return true;
}

} // namespace

bool TMainBoard::AttachDdr3Sodimm(int masterId, const char* prefix, uint8_t DiffStrobes,
                                  uint8_t SmbusIoStandard, uint8_t AddressIoStandard) {
    return AttachSodimm(*this, masterId, prefix, 1305, 1312, [&](TDaughterBoard& d) {
        d.CreateDdr3Sodimm(DiffStrobes, SmbusIoStandard, AddressIoStandard);
    });
}

bool TMainBoard::AttachDdr3SodimmSstl15(int masterId, const char* prefix, uint8_t DiffStrobes,
                                        uint8_t SmbusIoStandard, uint8_t AddressIoStandard) {
    return AttachSodimm(*this, masterId, prefix, 1394, 1401, [&](TDaughterBoard& d) {
        d.CreateDdr3SodimmSstl15(DiffStrobes, SmbusIoStandard, AddressIoStandard);
    });
}

namespace {

bool CheckPrefix(int count, const uint8_t* ids, const std::string* prefixes, std::string& message,
                 const char* format, char first, bool exemptGpio80) {
    for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j) {
            if (ids[i] == 0 || ids[j] != ids[i] || prefixes[i] != prefixes[j])
                continue;
            if (exemptGpio80 && BoardConnectorType(static_cast<int8_t>(ids[i])) == CONNECTOR_GPIO80)
                continue;
            message = platform::Format(format, first + i, first + j);
            return false;
        }
    return true;
}

} // namespace

bool CheckGpioPrefix(int count, const uint8_t* daughterIds, const std::string* prefixes,
                     std::string& message) {
    return CheckPrefix(
        count, daughterIds, prefixes, message,
        "GPIO-%c and GPIO-%c cannot have the same prefix name when both connect to the same type "
        "of daughter boards.",
        '0', true);
}

bool CheckHsmcPrefix(int count, const uint8_t* daughterIds, const std::string* prefixes,
                     std::string& message) {
    return CheckPrefix(
        count, daughterIds, prefixes, message,
        "HSMC-%c and HSMC-%c cannot have the same prefix name when both connect to the same type "
        "of daughter boards.",
        'A', false);
}

bool CheckFmcPrefix(int count, const uint8_t* daughterIds, const std::string* prefixes,
                    std::string& message) {
    return CheckPrefix(
        count, daughterIds, prefixes, message,
        "FMC-%c and FMC-%c cannot have the same prefix name when both connect to the same type "
        "of daughter boards.",
        'A', false);
}
