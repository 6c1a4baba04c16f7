#include "DaughterBoard.h"

#include "cards/CardTables.h"
#include "model/DaughterCatalogue.h"
#include "model/MainBoardId.h"
#include "platform/Assert.h"

#include <cstring>

namespace {

// Values the factory derives from the main board before it fills a card.
struct BoardRules {
    uint8_t xcvrStandard; // transceiver pins
    uint8_t hsmcStandard; // general pins of the HSMC cards
    uint8_t ioStandard;   // the caller's standard after its replacement
    bool lvdsXcvrRows;    // LVDS default card with its transceiver rows
    bool upperCaseHsmc;   // HSMC default names in upper case
    uint8_t gpioStyle;    // 0: per-position names, 1: "GPIO[%d]"
};

BoardRules RulesFor(uint8_t mainBoardId, uint8_t ioStandard) {
    BoardRules r{};
    r.xcvrStandard =
        (mainBoardId == MAINBOARD_GALDOR || mainBoardId == MAINBOARD_HARLIN || mainBoardId == MAINBOARD_LOMAR)
            ? IOSTD_1V4_PCML
            : IOSTD_1V5_PCML;
    r.hsmcStandard = mainBoardId == MAINBOARD_HARLIN ? IOSTD_1V8 : IOSTD_2V5;
    r.ioStandard = ioStandard;
    if (mainBoardId == MAINBOARD_GALDOR || mainBoardId == MAINBOARD_HARLIN ||
        mainBoardId == MAINBOARD_ISVAR || mainBoardId == MAINBOARD_LOMAR)
        r.ioStandard = IOSTD_3V0_PCI_X;
    else if (mainBoardId == MAINBOARD_CALVEX)
        r.ioStandard = IOSTD_2V5;
    r.lvdsXcvrRows = mainBoardId == MAINBOARD_HARLIN || mainBoardId == MAINBOARD_LOMAR;
    r.upperCaseHsmc = mainBoardId == MAINBOARD_ELBRIN || mainBoardId == MAINBOARD_MIRVO ||
                      mainBoardId == MAINBOARD_NORRIK || mainBoardId == MAINBOARD_SELVIK ||
                      mainBoardId == MAINBOARD_TAVRIN || mainBoardId == MAINBOARD_FORVIK;
    r.gpioStyle = (mainBoardId == MAINBOARD_ARVEL || mainBoardId == MAINBOARD_BELMIC ||
                   mainBoardId == MAINBOARD_DORVEL || mainBoardId == MAINBOARD_FENNIC)
                      ? 0
                      : 1;
    return r;
}

// The assertion line of a card that has no table.
int NoTableLine(uint8_t boardId) {
    if (boardId == DAUGHTER_KAPPEL_DEFAULT)
        return 32;
    if (boardId == DAUGHTER_DDR2_SODIMM)
        return 211;
    return 431;
}

} // namespace

TDaughterBoard::TDaughterBoard() : TConnector("", "", CONNECTOR_NONE, -1) {}

bool TDaughterBoard::FillPins(uint8_t BoardId, uint8_t MainBoardId, int HsmcVariant, uint8_t IoStandard,
                              const char* PinName) {
    const BoardRules r = RulesFor(MainBoardId, IoStandard);
    const uint8_t xcvr = r.xcvrStandard;
    const uint8_t hsmc = r.hsmcStandard;
    const uint8_t io = r.ioStandard;
    ClearPins();
    switch (BoardId) {
    case 1:
        if (PinName != nullptr && PinName[0] != '\0')
            FillCardGpioNamedPins(this, PinName, io);
        else if (MainBoardId == MAINBOARD_JORREL)
            FillCardGpioDefaultJorrelPins(this);
        else
            FillCardGpioDefaultPins(this, r.gpioStyle, io);
        break;
    case 2:
        FillCardHsmcDefaultPins(this, MainBoardId, HsmcVariant, xcvr, IOSTD_2V5, false, r.upperCaseHsmc);
        break;
    case 3:
        FillCardHsmcDefaultPins(this, MainBoardId, HsmcVariant, xcvr, IOSTD_2V5, true, false);
        break;
    case 4:
        FillCardHsmcLvdsDefaultPins(this, r.lvdsXcvrRows, xcvr, IOSTD_LVDS, IOSTD_2V5);
        break;
    case 6:
        FillCardDviPins(this, hsmc);
        PW_ASSERT(ActivePinCount() == 77, "ActivePinCount == 77", "DaughterBoard", 205);
        break;
    case 7:
        FillCardNetPins(this, hsmc);
        break;
    case 8:
        FillCardPellumPins(this, hsmc);
        break;
    case 10:
        FillCardTurvinHsmcPins(this, hsmc);
        break;
    case 11:
        FillCardTurvinGpioPins(this, io);
        break;
    case 12:
        FillCardKamrelPins(this, io);
        break;
    case 13:
        FillCardSpindoPins(this, io);
        break;
    case 14:
        FillCardGorvayPins(this, hsmc);
        break;
    case 15:
        FillCardKappelHdmiPins(this);
        break;
    case 16:
        FillCardBrisselKappelPins(this);
        break;
    case 17:
        FillCardBrisselHsmcPins(this, io, MainBoardId);
        break;
    case 18:
        FillCardHsmcDebugPins(this, MainBoardId);
        break;
    case 19:
        FillCardHsmcLoopbackPins(this, false, xcvr);
        break;
    case 20:
        FillCardKappelLoopbackPins(this);
        break;
    case 21:
        FillCardSfpPins(this, xcvr);
        break;
    case 22:
        FillCardSdiPins(this, IOSTD_1V4_PCML);
        break;
    case 23:
        FillCardSataPins(this, xcvr, hsmc);
        break;
    case 24:
        FillCardNimbrekFifoPins(this, IOSTD_3V3_LVTTL);
        break;
    case 25:
        FillCardNimbrekNativePins(this, IOSTD_3V3_LVTTL);
        break;
    case 26:
        FillCardFaldonPins(this, xcvr);
        break;
    case 27:
        FillCardRuvexPins(this, hsmc);
        break;
    case 28:
        FillCardPlindorPins(this, IOSTD_2V5);
        break;
    case 29:
        FillCardHovrinPins(this);
        break;
    case 30:
        FillCardWexlinPins(this, IOSTD_3V3_LVTTL);
        break;
    case 31:
        FillCardHdmiTxPins(this, hsmc);
        break;
    case 32:
        FillCardHdmiRxPins(this, hsmc);
        break;
    case 33:
        FillCardCameraLinkPins(this);
        break;
    case 34:
        FillCardMordlePins(this);
        break;
    case 35:
        FillCardZimborPins(this);
        break;
    case 36:
        FillCardHovrin2Pins(this);
        break;
    case 37:
        FillCardHsmcLoopbackPins(this, true, xcvr);
        break;
    case 39:
        FillCardFmcHpcVitaPins(this, true, IOSTD_2V5, false);
        break;
    case 40:
        FillCardFmcLpcVitaPins(this, true, IOSTD_2V5);
        break;
    case 41:
    case 42:
        FillCardFmcHpcAlteraPins(this, BoardId == 42, IOSTD_2V5, true);
        break;
    case 43:
    case 44:
        FillCardFmcHpcAlteraVeltraxPins(this, BoardId == 44, IOSTD_2V5, true);
        break;
    case 45:
    case 46:
        FillCardFmcLpcAlteraPins(this, BoardId == 46, IOSTD_2V5, true);
        break;
    case 47:
        FillCardFaldonFmcPins(this);
        break;
    case 48:
        FillCardSdiFmcPins(this);
        break;
    case 49:
        FillCardHdmiFmcPins(this);
        break;
    case 50:
        FillCardJesdFmcPins(this);
        break;
    case 51:
        FillCardJesdAdc34j45Pins(this, true);
        break;
    case 52:
        FillCardNetFmcPins(this);
        break;
    case 53:
        FillCardDrovikPins(this, io);
        break;
    case 54:
        FillCardLvdsCrossoverPins(this, hsmc);
        break;
    case 55:
    case 56:
    case 57:
        FillCardBrisselKamrelPins(this, BoardId == 55 || BoardId == 57, BoardId == 56 || BoardId == 57, io,
                                  MainBoardId);
        break;
    case 58:
        FillCardSarvonPins(this);
        break;
    case 59:
        FillCardSarvon2Pins(this, hsmc);
        break;
    case 60:
        FillCardPemrithPins(this);
        break;
    case 61:
        FillCardDrovik2Pins(this, io);
        break;
    case 62:
        FillCardTrelbyPins(this);
        break;
    case 63:
        FillCardNalvorPins(this);
        break;
    case 64:
        FillCardEbbranPins(this);
        break;
    case 65:
        FillCardArduinoDigitalPins(this);
        break;
    case 69:
        FillCardMoxenDefaultPins(this);
        break;
    case 70:
        FillCardJossenPins(this);
        break;
    case 71:
        FillCardFiskelGpioPins(this, io);
        break;
    case 73:
        FillCardFiskelFmcPins(this);
        break;
    case 75:
        FillCardGpioDefaultPins(this, r.gpioStyle, IOSTD_2V5);
        break;
    case 76:
        FillCardGpioDefaultPins(this, r.gpioStyle, IOSTD_1V8);
        break;
    case 77:
        FillCardGpioDefaultPins(this, r.gpioStyle, IOSTD_1V5);
        break;
    case 78:
        FillCardHsmcDefaultPins(this, MainBoardId, HsmcVariant, xcvr, IOSTD_3V3_LVTTL, false,
                                r.upperCaseHsmc);
        break;
    case 79:
        FillCardHsmcDefaultPins(this, MainBoardId, HsmcVariant, xcvr, IOSTD_1V8, false, r.upperCaseHsmc);
        break;
    case 80:
        FillCardHsmcDefaultPins(this, MainBoardId, HsmcVariant, xcvr, IOSTD_1V5, false, r.upperCaseHsmc);
        break;
    case 86:
        FillCardHsmcDefaultPins(this, MainBoardId, HsmcVariant, xcvr, IOSTD_3V0_PCI_X, false,
                                r.upperCaseHsmc);
        break;
    case 81:
        FillCardHsmcDefaultPins(this, MainBoardId, HsmcVariant, xcvr, IOSTD_3V3_LVTTL, true, false);
        break;
    case 82:
        FillCardHsmcDefaultPins(this, MainBoardId, HsmcVariant, xcvr, IOSTD_3V0_PCI_X, true, false);
        break;
    case 83:
        FillCardHsmcDefaultPins(this, MainBoardId, HsmcVariant, xcvr, IOSTD_1V8, true, false);
        break;
    case 84:
        FillCardHsmcDefaultPins(this, MainBoardId, HsmcVariant, xcvr, IOSTD_1V5, true, false);
        break;
    default: // 0, 5, 9, 38, the unassigned ids and every id outside the catalogue
        return false;
    }
    SetName(BoardName(static_cast<int8_t>(BoardId)));
    SetCaption(BoardDescription(static_cast<int8_t>(BoardId)));
    SetType(BoardConnectorType(static_cast<int8_t>(BoardId)));
    return true;
}

void TDaughterBoard::CreateBoard(uint8_t BoardId, uint8_t MainBoardId, int HsmcVariant, uint8_t IoStandard,
                                 const char* PinName) {
    if (!FillPins(BoardId, MainBoardId, HsmcVariant, IoStandard, PinName))
        platform::AssertFailed("0", "DaughterBoard", NoTableLine(BoardId));
}

bool TDaughterBoard::TryCreateBoard(uint8_t BoardId, uint8_t MainBoardId, int HsmcVariant, uint8_t IoStandard,
                                    const char* PinName) {
    return FillPins(BoardId, MainBoardId, HsmcVariant, IoStandard, PinName);
}

namespace {

template <class FillTable>
void CreateSodimm(TDaughterBoard* d, uint8_t card, FillTable fill, uint8_t diff, uint8_t smbus,
                  uint8_t address) {
    d->ClearPins();
    d->SetName(BoardName(static_cast<int8_t>(card)));
    d->SetCaption(BoardDescription(static_cast<int8_t>(card)));
    fill(d, diff != 0, smbus, address);
    d->SetType(BoardConnectorType(static_cast<int8_t>(card)));
}

} // namespace

void TDaughterBoard::CreateDdr2Sodimm(uint8_t DiffStrobes, uint8_t SmbusIoStandard,
                                      uint8_t AddressIoStandard) {
    CreateSodimm(this, DAUGHTER_DDR2_SODIMM, FillCardDdr2SodimmPins, DiffStrobes, SmbusIoStandard,
                 AddressIoStandard);
}

void TDaughterBoard::CreateDdr3SodimmLower(uint8_t DiffStrobes, uint8_t SmbusIoStandard,
                                           uint8_t AddressIoStandard) {
    CreateSodimm(this, DAUGHTER_DDR3_SODIMM, FillCardDdr3SodimmLowerCasePins, DiffStrobes, SmbusIoStandard,
                 AddressIoStandard);
}

void TDaughterBoard::CreateDdr3SodimmSstl15(uint8_t DiffStrobes, uint8_t SmbusIoStandard,
                                            uint8_t AddressIoStandard) {
    CreateSodimm(this, DAUGHTER_DDR3_SODIMM, FillCardDdr3SodimmSstl15Pins, DiffStrobes, SmbusIoStandard,
                 AddressIoStandard);
}

void TDaughterBoard::CreateDdr3Sodimm(uint8_t DiffStrobes, uint8_t SmbusIoStandard,
                                      uint8_t AddressIoStandard) {
    CreateSodimm(this, DAUGHTER_DDR3_SODIMM, FillCardDdr3SodimmPins, DiffStrobes, SmbusIoStandard,
                 AddressIoStandard);
}

void TDaughterBoard::CopyPin(const TPin& daughter, TPin* master, const char* pPrefixName) {
    TPin temp = daughter;
    temp.SetLocation(master->GetLocation());
    temp.SetIndex(daughter.GetIndex());
    if (pPrefixName != nullptr && pPrefixName[0] != '\0')
        temp.SetName(std::string(pPrefixName) + daughter.GetName());
    if (master->GetDirection() != DIRECTION_BY_DAUGHTER)
        temp.SetDirection(master->GetDirection());
    if (master->GetIoStandard() != IOSTD_BY_DAUGHTER)
        temp.SetIoStandard(master->GetIoStandard());
    *master = temp;
}

bool TDaughterBoard::UpdateMasterConnector(TConnector* pMasterConn, const char* pPrefixName) {
    pMasterConn->SetDaughterType(GetType());
    const uint8_t mine = GetType();
    const uint8_t theirs = pMasterConn->GetType();
    if (mine == theirs || (mine == CONNECTOR_FMC_LPC && theirs == CONNECTOR_FMC_HPC)) {
        const int count = PinCount();
        for (int j = 0; j < count && j < pMasterConn->PinCount(); ++j) {
            TPin* master = pMasterConn->GetPin(j);
            if (master == nullptr)
                continue;
            TPin* card = GetPin(j);
            if (card != nullptr)
                CopyPin(*card, master, pPrefixName);
            else
                master->SetDirection(DIRECTION_NONE);
        }
        // Beyond the card's last slot only pins still waiting for the card are unused.
        for (int j = count; j < pMasterConn->PinCount(); ++j) {
            TPin* master = pMasterConn->GetPin(j);
            if (master != nullptr && master->GetDirection() == DIRECTION_BY_DAUGHTER)
                master->SetDirection(DIRECTION_NONE);
        }
        return true;
    }
    if (mine == CONNECTOR_HSMC && theirs == CONNECTOR_KAPPEL) {
        for (int i = 0; i < pMasterConn->PinCount(); ++i) {
            TPin* master = pMasterConn->GetPin(i);
            if (master == nullptr)
                continue;
            int p = KappelToHsmcPin(i + 1);
            TPin* card = (p >= 1 && p <= PinCount()) ? GetPin(p - 1) : nullptr;
            if (card == nullptr)
                master->SetDirection(DIRECTION_NONE);
            else
                CopyPin(*card, master, pPrefixName);
        }
        return true;
    }
    platform::AssertFailed("0", "DaughterBoard", 962);
}
