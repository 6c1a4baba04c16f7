#include "RasmelRules.h"

#include "CONFIG_RASMEL.h"
#include "boards/kit/AnyTicked.h"
#include "boards/latest/ClockBoardTexts.h"
#include "boards/second/OscillatorBoardLogic.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/Platform.h"

#include <algorithm>

namespace {

using C = RASMEL_CONFIG;

// clang-format off
constexpr const char* kLedShapes[] = {"ShapeBracketLED", "ShapeRJ45LED"};
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED", nullptr, kLedShapes},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxSata_0", C::Sata(C::kSataHost), 0, "ShapeSata_0"},
    {"CheckBoxSata_1", C::Sata(C::kSataDevice), 0, "ShapeSata_1"},
    {"CheckBoxSma", C::bSma, 0, "ShapeSma"},
    {"CheckBoxTemp", C::bTemp, 1, "ShapeTemp"},
    {"CheckBoxSfpA", C::Sfp(0), 0, "ShapeSfp_A"},
    {"CheckBoxSfpB", C::Sfp(1), 0, "ShapeSfp_B"},
    {"CheckBoxSfpC", C::Sfp(2), 0, "ShapeSfp_C"},
    {"CheckBoxSfpD", C::Sfp(3), 0, "ShapeSfp_D"},
    {"CheckBoxPCIe", C::bPCIe, 0, "ShapePCIe"},
    {"CheckBoxFan", C::bFan, 1, "ShapeFan"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxSSRAM", C::bSSRAM, 1, "ShapeSSRAM"},
    {"CheckBoxRs422", C::bRs422, 1, "ShapeRs422"},
};
// Two holders build the same list; the combo box shows the second's.
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_HSMC, true, VOLTAGE_2V5},
    {CONNECTOR_HSMC, true, VOLTAGE_2V5},
};
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxHSMC_A", "EditHSMC_A", "ImageHSMC_A", "ShapeHSMC", C::nHSMCDaughterId, C::szHSMCPrefixName, 1, kit::CardKind::Hsmc, MASTER_HSMC_A, IOSTD_2V5, ""},
};
constexpr std::size_t kSfp[] = {C::Sfp(0), C::Sfp(1), C::Sfp(2), C::Sfp(3)};
constexpr std::size_t kSata[] = {C::Sata(C::kSataHost), C::Sata(C::kSataDevice)};
// clang-format on

bool TransceiverCard(const SettingsRecord& r) {
    return IsTransceiverBoard(static_cast<int8_t>(r.U8(C::nHSMCDaughterId)));
}

constexpr OscillatorRules kOscillators{C::nSi570Freq, C::nCdcm61004Freq, kSfp, kSata, &TransceiverCard};

constexpr kit::ChoiceBinding kChoiceLists[] = {
    {"ComboBoxSi570", C::nSi570Freq},
    {"ComboBoxCdcm61004", C::nCdcm61004Freq},
};

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_RASMEL,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "RASMEL",
    .folder = "RASMEL",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::FormRoutine,
    .loadFailureMessage = true,
    .headOnSave = kit::HeadOnSave::SizeOnly,
    .choices = C::kChoiceFields,
    .choiceLists = kChoiceLists,
};

class Logic final : public OscillatorBoardLogic {
public:
    Logic() : OscillatorBoardLogic(kSpec, kOscillators) {}

    void ApplyDefaultPrefixes(SettingsRecord& r) const override {
        if (r.Text(C::szHSMCPrefixName).empty() && IsHsmcDefaultCard(r.U8(C::nHSMCDaughterId)))
            r.SetText(C::szHSMCPrefixName, "HSMC_");
    }
    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigRasmelPins(&board, r);
    }
    bool ConfirmGenerate(const SettingsRecord& r) const override { return CheckOscillators(kOscillators, r); }
    std::vector<kit::Notice> AfterGenerate(const SettingsRecord& r,
                                           const std::string& folder) const override {
        return kit::NoteThenSuccess(RasmelNotes(r), folder);
    }
    // Every box ticked with every choice of each oscillator (the CDCM61004 alone past the
    // Si570's list), the oscillators without the boxes that usually bring their clock and
    // reset, and the CDCM61004 for the SATA ports alone.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        SettingsRecord bare;
        std::vector<SettingsRecord> variants = EveryOscillatorChoice(kOscillators, defaults, kFlags, bare);
        SettingsRecord sfp = bare;
        sfp.SetU8(C::Sfp(1), 1);
        sfp.SetI32(C::nCdcm61004Freq, 4);
        variants.push_back(sfp);
        SettingsRecord sata = bare;
        sata.SetU8(C::Sata(C::kSataDevice), 1);
        sata.SetI32(C::nCdcm61004Freq, 2);
        variants.push_back(sata);
        return variants;
    }
};

} // namespace

const kit::BoardLogic& RasmelLogic() {
    static const Logic logic;
    return logic;
}

std::string RasmelNotes(const SettingsRecord& r) {
    std::string transceivers;
    if (kit::AnyTicked(r, kSata))
        JoinName(transceivers, "SATA");
    if (r.U8(C::bPCIe))
        JoinName(transceivers, "PCIe");
    if (kit::AnyTicked(r, kSfp))
        JoinName(transceivers, "SFP+");
    if (TransceiverCard(r))
        JoinName(transceivers, "HSMC-Transceiver");
    return transceivers.empty() ? std::string() : TransceiverNote(transceivers, false);
}
