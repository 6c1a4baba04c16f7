#include "DaughterBoard.h"

#include "cards/CardTables.h"
#include "model/DaughterCatalogue.h"
#include "platform/Assert.h"

#include <cstring>

namespace {

// The rules as a fill uses them: the caller's standard after its replacement.
struct BoardRules {
    uint8_t xcvrStandard;
    uint8_t hsmcStandard;
    uint8_t ioStandard;
    bool lvdsXcvrRows;
    bool upperCaseHsmc;
    GpioStyle gpioStyle;
    uint8_t gpioNaming; // the naming of the GPIO Default variants (0 or 1)
};

BoardRules RulesFor(const TCardRules& rules, uint8_t ioStandard) {
    return {rules.xcvrStandard,
            rules.hsmcStandard,
            rules.replaceIoStandard ? rules.ioStandard : ioStandard,
            rules.lvdsXcvrRows,
            rules.upperCaseHsmc,
            rules.gpioStyle,
            rules.gpioStyle == GpioStyle::PerPosition ? uint8_t{0} : uint8_t{1}};
}

// The assertion line of a card that has no table.
int NoTableLine(uint8_t boardId) {
    if (boardId == DAUGHTER_KAPPEL_DEFAULT)
        return 32;
    if (boardId == DAUGHTER_DDR2_SODIMM)
        return 211;
    return 431;
}

// What one fill is given: the card, the main board and the rules derived from it.
struct FillArgs {
    uint8_t card;
    uint8_t mainBoard;
    int hsmcVariant;
    const char* pinName;
    BoardRules rules;
};

using Fill = void (*)(TConnector* c, const FillArgs& a);

struct FillRow {
    uint8_t card;
    Fill fill;
};

void HsmcDefault(TConnector* c, const FillArgs& a, uint8_t standard, bool transceivers, bool upperCase) {
    FillCardHsmcDefaultPins(c, a.mainBoard, a.hsmcVariant, a.rules.xcvrStandard, standard, transceivers,
                            upperCase);
}

// The vendor's FMC fills have a row-K filter. Their own tables give rows K whole, so
// the filter stays off: a card whose HA/HB lines silently vanished would be the worse fault.
constexpr bool kFmcRowKFilter = false;

// One row per card that has a pin table; any other id fails.
// clang-format off
constexpr FillRow kFills[] = {
    {DAUGHTER_GPIO_DEFAULT, [](TConnector* c, const FillArgs& a) {
        if (a.pinName != nullptr && a.pinName[0] != '\0')
            FillCardGpioNamedPins(c, a.pinName, a.rules.ioStandard);
        else if (a.rules.gpioStyle == GpioStyle::OwnTable)
            FillCardGpioDefaultJorrelPins(c);
        else
            FillCardGpioDefaultPins(c, a.rules.gpioNaming, a.rules.ioStandard);
    }},
    {DAUGHTER_HSMC_DEFAULT, [](TConnector* c, const FillArgs& a) { HsmcDefault(c, a, IOSTD_2V5, false, a.rules.upperCaseHsmc); }},
    {DAUGHTER_HSMC_DEFAULT_WITH_TRANSCEIVER, [](TConnector* c, const FillArgs& a) { HsmcDefault(c, a, IOSTD_2V5, true, false); }},
    {DAUGHTER_HSMC_LVDS_DEFAULT, [](TConnector* c, const FillArgs& a) { FillCardHsmcLvdsDefaultPins(c, a.rules.lvdsXcvrRows, a.rules.xcvrStandard, IOSTD_LVDS, IOSTD_2V5); }},
    {DAUGHTER_DVI, [](TConnector* c, const FillArgs& a) {
        FillCardDviPins(c, a.rules.hsmcStandard);
        PW_ASSERT(c->ActivePinCount() == 77, "ActivePinCount == 77", "DaughterBoard", 205);
    }},
    {DAUGHTER_NET, [](TConnector* c, const FillArgs& a) { FillCardNetPins(c, a.rules.hsmcStandard); }},
    {DAUGHTER_PELLUM, [](TConnector* c, const FillArgs& a) { FillCardPellumPins(c, a.rules.hsmcStandard); }},
    {DAUGHTER_TURVIN_HSMC, [](TConnector* c, const FillArgs& a) { FillCardTurvinHsmcPins(c, a.rules.hsmcStandard); }},
    {DAUGHTER_TURVIN_GPIO, [](TConnector* c, const FillArgs& a) { FillCardTurvinGpioPins(c, a.rules.ioStandard); }},
    {DAUGHTER_KAMREL, [](TConnector* c, const FillArgs& a) { FillCardKamrelPins(c, a.rules.ioStandard); }},
    {DAUGHTER_SPINDO, [](TConnector* c, const FillArgs& a) { FillCardSpindoPins(c, a.rules.ioStandard); }},
    {DAUGHTER_GORVAY, [](TConnector* c, const FillArgs& a) { FillCardGorvayPins(c, a.rules.hsmcStandard); }},
    {DAUGHTER_HDMI, [](TConnector* c, const FillArgs&) { FillCardKappelHdmiPins(c); }},
    {DAUGHTER_BRISSEL_KAPPEL, [](TConnector* c, const FillArgs&) { FillCardBrisselKappelPins(c); }},
    {DAUGHTER_BRISSEL_HSMC, [](TConnector* c, const FillArgs& a) { FillCardBrisselHsmcPins(c, a.rules.ioStandard, a.mainBoard); }},
    {DAUGHTER_HSMC_DEBUG, [](TConnector* c, const FillArgs& a) { FillCardHsmcDebugPins(c, a.mainBoard); }},
    {DAUGHTER_HSMC_LOOPBACK, [](TConnector* c, const FillArgs& a) { FillCardHsmcLoopbackPins(c, false, a.rules.xcvrStandard); }},
    {DAUGHTER_KAPPEL_LOOPBACK, [](TConnector* c, const FillArgs&) { FillCardKappelLoopbackPins(c); }},
    {DAUGHTER_SFP, [](TConnector* c, const FillArgs& a) { FillCardSfpPins(c, a.rules.xcvrStandard); }},
    {DAUGHTER_SDI, [](TConnector* c, const FillArgs&) { FillCardSdiPins(c, IOSTD_1V4_PCML); }},
    {DAUGHTER_SATA, [](TConnector* c, const FillArgs& a) { FillCardSataPins(c, a.rules.xcvrStandard, a.rules.hsmcStandard); }},
    {DAUGHTER_NIMBREK, [](TConnector* c, const FillArgs&) { FillCardNimbrekFifoPins(c, IOSTD_3V3_LVTTL); }},
    {DAUGHTER_NIMBREK_NATIVE, [](TConnector* c, const FillArgs&) { FillCardNimbrekNativePins(c, IOSTD_3V3_LVTTL); }},
    {DAUGHTER_FALDON, [](TConnector* c, const FillArgs& a) { FillCardFaldonPins(c, a.rules.xcvrStandard); }},
    {DAUGHTER_RUVEX, [](TConnector* c, const FillArgs& a) { FillCardRuvexPins(c, a.rules.hsmcStandard); }},
    {DAUGHTER_PLINDOR, [](TConnector* c, const FillArgs&) { FillCardPlindorPins(c, IOSTD_2V5); }},
    {DAUGHTER_HOVRIN, [](TConnector* c, const FillArgs&) { FillCardHovrinPins(c); }},
    {DAUGHTER_WEXLIN, [](TConnector* c, const FillArgs&) { FillCardWexlinPins(c, IOSTD_3V3_LVTTL); }},
    {DAUGHTER_HDMI_TX, [](TConnector* c, const FillArgs& a) { FillCardHdmiTxPins(c, a.rules.hsmcStandard); }},
    {DAUGHTER_HDMI_RX, [](TConnector* c, const FillArgs& a) { FillCardHdmiRxPins(c, a.rules.hsmcStandard); }},
    {DAUGHTER_CLR, [](TConnector* c, const FillArgs&) { FillCardCameraLinkPins(c); }},
    {DAUGHTER_MORDLE, [](TConnector* c, const FillArgs&) { FillCardMordlePins(c); }},
    {DAUGHTER_ZIMBOR, [](TConnector* c, const FillArgs&) { FillCardZimborPins(c); }},
    {DAUGHTER_HOVRIN2, [](TConnector* c, const FillArgs&) { FillCardHovrin2Pins(c); }},
    {DAUGHTER_HSMC_LOOPBACK_XCVR, [](TConnector* c, const FillArgs& a) { FillCardHsmcLoopbackPins(c, true, a.rules.xcvrStandard); }},
    {DAUGHTER_FMC_HPC_VITA, [](TConnector* c, const FillArgs&) { FillCardFmcHpcVitaPins(c, true, IOSTD_2V5, false); }},
    {DAUGHTER_FMC_LPC_VITA, [](TConnector* c, const FillArgs&) { FillCardFmcLpcVitaPins(c, true, IOSTD_2V5); }},
    {DAUGHTER_FMC_HPC_ALTERA, [](TConnector* c, const FillArgs&) { FillCardFmcHpcAlteraPins(c, false, IOSTD_2V5, kFmcRowKFilter); }},
    {DAUGHTER_FMC_HPC_XCVR_ALTERA, [](TConnector* c, const FillArgs&) { FillCardFmcHpcAlteraPins(c, true, IOSTD_2V5, kFmcRowKFilter); }},
    {DAUGHTER_FMC_HPC_ALTERA_VELTRAX, [](TConnector* c, const FillArgs&) { FillCardFmcHpcAlteraVeltraxPins(c, false, IOSTD_2V5, kFmcRowKFilter); }},
    {DAUGHTER_FMC_HPC_XCVR_ALTERA_VELTRAX, [](TConnector* c, const FillArgs&) { FillCardFmcHpcAlteraVeltraxPins(c, true, IOSTD_2V5, kFmcRowKFilter); }},
    {DAUGHTER_FMC_LPC_ALTERA, [](TConnector* c, const FillArgs&) { FillCardFmcLpcAlteraPins(c, false, IOSTD_2V5, kFmcRowKFilter); }},
    {DAUGHTER_FMC_LPC_XCVR_ALTERA, [](TConnector* c, const FillArgs&) { FillCardFmcLpcAlteraPins(c, true, IOSTD_2V5, kFmcRowKFilter); }},
    {DAUGHTER_FALDON_FMC, [](TConnector* c, const FillArgs&) { FillCardFaldonFmcPins(c); }},
    {DAUGHTER_12G_SDI_FMC, [](TConnector* c, const FillArgs&) { FillCardSdiFmcPins(c); }},
    {DAUGHTER_HDMI_FMC, [](TConnector* c, const FillArgs&) { FillCardHdmiFmcPins(c); }},
    {DAUGHTER_JESD_FMC_TI, [](TConnector* c, const FillArgs&) { FillCardJesdFmcPins(c); }},
    {DAUGHTER_JESD_FMC_ADC34J45, [](TConnector* c, const FillArgs&) { FillCardJesdAdc34j45Pins(c, true); }},
    {DAUGHTER_NET_FMC, [](TConnector* c, const FillArgs&) { FillCardNetFmcPins(c); }},
    {DAUGHTER_DROVIK, [](TConnector* c, const FillArgs& a) { FillCardDrovikPins(c, a.rules.ioStandard); }},
    {DAUGHTER_ULVANE, [](TConnector* c, const FillArgs& a) { FillCardLvdsCrossoverPins(c, a.rules.hsmcStandard); }},
    {DAUGHTER_BRISSEL_KAMREL_J2, [](TConnector* c, const FillArgs& a) { FillCardBrisselKamrelPins(c, true, false, a.rules.ioStandard, a.mainBoard); }},
    {DAUGHTER_BRISSEL_KAMREL_J3, [](TConnector* c, const FillArgs& a) { FillCardBrisselKamrelPins(c, false, true, a.rules.ioStandard, a.mainBoard); }},
    {DAUGHTER_BRISSEL_KAMREL_BOTH, [](TConnector* c, const FillArgs& a) { FillCardBrisselKamrelPins(c, true, true, a.rules.ioStandard, a.mainBoard); }},
    {DAUGHTER_SARVON, [](TConnector* c, const FillArgs&) { FillCardSarvonPins(c); }},
    {DAUGHTER_SARVON2, [](TConnector* c, const FillArgs& a) { FillCardSarvon2Pins(c, a.rules.hsmcStandard); }},
    {DAUGHTER_PEMRITH, [](TConnector* c, const FillArgs&) { FillCardPemrithPins(c); }},
    {DAUGHTER_DROVIK2, [](TConnector* c, const FillArgs& a) { FillCardDrovik2Pins(c, a.rules.ioStandard); }},
    {DAUGHTER_TRELBY, [](TConnector* c, const FillArgs&) { FillCardTrelbyPins(c); }},
    {DAUGHTER_NALVOR, [](TConnector* c, const FillArgs&) { FillCardNalvorPins(c); }},
    {DAUGHTER_EBBRAN, [](TConnector* c, const FillArgs&) { FillCardEbbranPins(c); }},
    {DAUGHTER_ARDUINO_DIGITAL, [](TConnector* c, const FillArgs&) { FillCardArduinoDigitalPins(c); }},
    {DAUGHTER_MOXEN_DEFAULT, [](TConnector* c, const FillArgs&) { FillCardMoxenDefaultPins(c); }},
    {DAUGHTER_JOSSEN_MOXEN, [](TConnector* c, const FillArgs&) { FillCardJossenPins(c); }},
    {DAUGHTER_FISKEL_GPIO, [](TConnector* c, const FillArgs& a) { FillCardFiskelGpioPins(c, a.rules.ioStandard); }},
    {DAUGHTER_FISKEL_FMC, [](TConnector* c, const FillArgs&) { FillCardFiskelFmcPins(c); }},
    {DAUGHTER_GPIO_DEFAULT_2V5, [](TConnector* c, const FillArgs& a) { FillCardGpioDefaultPins(c, a.rules.gpioNaming, IOSTD_2V5); }},
    {DAUGHTER_GPIO_DEFAULT_1V8, [](TConnector* c, const FillArgs& a) { FillCardGpioDefaultPins(c, a.rules.gpioNaming, IOSTD_1V8); }},
    {DAUGHTER_GPIO_DEFAULT_1V5, [](TConnector* c, const FillArgs& a) { FillCardGpioDefaultPins(c, a.rules.gpioNaming, IOSTD_1V5); }},
    {DAUGHTER_HSMC_DEFAULT_3V3, [](TConnector* c, const FillArgs& a) { HsmcDefault(c, a, IOSTD_3V3_LVTTL, false, a.rules.upperCaseHsmc); }},
    {DAUGHTER_HSMC_DEFAULT_1V8, [](TConnector* c, const FillArgs& a) { HsmcDefault(c, a, IOSTD_1V8, false, a.rules.upperCaseHsmc); }},
    {DAUGHTER_HSMC_DEFAULT_1V5, [](TConnector* c, const FillArgs& a) { HsmcDefault(c, a, IOSTD_1V5, false, a.rules.upperCaseHsmc); }},
    {DAUGHTER_HSMC_DEFAULT_3V3_XCVR, [](TConnector* c, const FillArgs& a) { HsmcDefault(c, a, IOSTD_3V3_LVTTL, true, false); }},
    {DAUGHTER_HSMC_DEFAULT_3V0_XCVR, [](TConnector* c, const FillArgs& a) { HsmcDefault(c, a, IOSTD_3V0_PCI_X, true, false); }},
    {DAUGHTER_HSMC_DEFAULT_1V8_XCVR, [](TConnector* c, const FillArgs& a) { HsmcDefault(c, a, IOSTD_1V8, true, false); }},
    {DAUGHTER_HSMC_DEFAULT_1V5_XCVR, [](TConnector* c, const FillArgs& a) { HsmcDefault(c, a, IOSTD_1V5, true, false); }},
    {DAUGHTER_HSMC_DEFAULT_3V0, [](TConnector* c, const FillArgs& a) { HsmcDefault(c, a, IOSTD_3V0_PCI_X, false, a.rules.upperCaseHsmc); }},
};
// clang-format on

Fill FillOf(uint8_t card) {
    for (const FillRow& row : kFills)
        if (row.card == card)
            return row.fill;
    return nullptr; // 0, 5, 9, 38, the unassigned ids and every id outside the catalogue
}

} // namespace

TDaughterBoard::TDaughterBoard() : TConnector("", "", CONNECTOR_NONE, -1) {}

bool TDaughterBoard::FillPins(uint8_t BoardId, uint8_t MainBoardId, int HsmcVariant, uint8_t IoStandard,
                              const char* PinName, const TCardRules& Rules) {
    ClearPins();
    const Fill fill = FillOf(BoardId);
    if (fill == nullptr)
        return false;
    fill(this, {BoardId, MainBoardId, HsmcVariant, PinName, RulesFor(Rules, IoStandard)});
    SetName(BoardName(static_cast<int8_t>(BoardId)));
    SetCaption(BoardDescription(static_cast<int8_t>(BoardId)));
    SetType(BoardConnectorType(static_cast<int8_t>(BoardId)));
    return true;
}

void TDaughterBoard::CreateBoard(uint8_t BoardId, uint8_t MainBoardId, int HsmcVariant, uint8_t IoStandard,
                                 const char* PinName, const TCardRules& Rules) {
    if (!FillPins(BoardId, MainBoardId, HsmcVariant, IoStandard, PinName, Rules))
        platform::AssertFailed("0", "DaughterBoard", NoTableLine(BoardId));
}

bool TDaughterBoard::TryCreateBoard(uint8_t BoardId, uint8_t MainBoardId, int HsmcVariant, uint8_t IoStandard,
                                    const char* PinName, const TCardRules& Rules) {
    return FillPins(BoardId, MainBoardId, HsmcVariant, IoStandard, PinName, Rules);
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
