#include "OstrelRules.h"

#include "CONFIG_OSTREL.h"
#include "boards/kit/AnyTicked.h"
#include "boards/latest/ClockBoardTexts.h"
#include "boards/second/OscillatorBoardLogic.h"
#include "platform/Platform.h"

namespace {

using C = OSTREL_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxTemp", C::bTemp, 1, "ShapeTemp"},
    {"CheckBoxFan", C::bFan, 1, "ShapeFan"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxRs422", C::bRs422, 1, "ShapeRs422"},
    {"CheckBoxQdrA", C::Qdrii(0), 0, "ShapeQDRII_A"},
    {"CheckBoxQdrB", C::Qdrii(1), 0, "ShapeQDRII_B"},
    {"CheckBoxQdrC", C::Qdrii(2), 0, "ShapeQDRII_C"},
    {"CheckBoxQdrD", C::Qdrii(3), 0, "ShapeQDRII_D"},
    {"CheckBoxDDR3_0", C::Ddr3(0), 0, "ShapeDDR3_0"},
    {"CheckBoxDDR3_1", C::Ddr3(1), 0, "ShapeDDR3_1"},
    {"CheckBoxSfpA", C::Sfp(0), 0, "ShapeSfp_A"},
    {"CheckBoxSfpB", C::Sfp(1), 0, "ShapeSfp_B"},
    {"CheckBoxSata", C::bSata, 0, "ShapeSata"},
    {"CheckBoxPCIe", C::bPCIe, 0, "ShapePCIe"},
};
constexpr std::size_t kSfp[] = {C::Sfp(0), C::Sfp(1)};
constexpr std::size_t kDdr3[] = {C::Ddr3(0), C::Ddr3(1)};
constexpr std::size_t kQdrii[] = {C::Qdrii(0), C::Qdrii(1), C::Qdrii(2), C::Qdrii(3)};
// clang-format on

constexpr OscillatorRules kOscillators{C::nSi570Freq, C::nCdcm61004Freq, kSfp, {}, nullptr, true};

constexpr kit::ChoiceBinding kChoiceLists[] = {
    {"ComboBoxSi570", C::nSi570Freq},
    {"ComboBoxCdcm61004", C::nCdcm61004Freq},
};

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_OSTREL,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "OSTREL",
    .folder = "OSTREL",
    .flags = kFlags,
    .lists = {},
    .connectors = {},
    .attachShape = kit::AttachShape::FormRoutine,
    .loadFailureMessage = true,
    .headOnSave = kit::HeadOnSave::SizeOnly,
    .choices = C::kChoiceFields,
    .choiceLists = kChoiceLists,
};

class Logic final : public OscillatorBoardLogic {
public:
    Logic() : OscillatorBoardLogic(kSpec, kOscillators) {}

    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigOstrelPins(&board, r);
    }
    bool ConfirmGenerate(const SettingsRecord& r) const override { return CheckOscillators(kOscillators, r); }
    std::vector<kit::Notice> AfterGenerate(const SettingsRecord& r,
                                           const std::string& folder) const override {
        return kit::NoteThenSuccess(OstrelNotes(r), folder);
    }
    // Every box ticked with every choice of each oscillator (the CDCM61004 alone past the
    // Si570's list), and the oscillators without the boxes that usually bring their clock
    // and reset.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        SettingsRecord bare;
        std::vector<SettingsRecord> variants = EveryOscillatorChoice(kOscillators, defaults, kFlags, bare);
        bare.SetU8(C::Sfp(1), 1);
        bare.SetI32(C::nSi570Freq, 2);
        bare.SetI32(C::nCdcm61004Freq, 4);
        variants.push_back(bare);
        return variants;
    }
};

} // namespace

const kit::BoardLogic& OstrelLogic() {
    static const Logic logic;
    return logic;
}

std::string OstrelNotes(const SettingsRecord& r) {
    std::string notes;
    std::string memory;
    if (kit::AnyTicked(r, kDdr3))
        JoinName(memory, "DDR3-SDRAM");
    if (kit::AnyTicked(r, kQdrii))
        JoinName(memory, "QDRII+ SRAM");
    if (!memory.empty())
        notes += MemoryNote(memory);
    std::string transceivers;
    if (r.U8(C::bPCIe))
        JoinName(transceivers, "PCIe");
    if (kit::AnyTicked(r, kSfp))
        JoinName(transceivers, "SFP+");
    if (r.U8(C::bSata))
        JoinName(transceivers, "SATA");
    if (!transceivers.empty())
        notes += TransceiverNote(transceivers, false);
    return notes;
}
