#include "PallexRules.h"

#include "CONFIG_PALLEX.h"
#include "boards/kit/AnyTicked.h"
#include "boards/latest/ClockBoardTexts.h"
#include "core/OscillatorText.h"
#include "platform/Assert.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace {

using C = PALLEX_CONFIG;

// The LED box shows the bracket LEDs too.
constexpr const char* kMoreLedShapes[] = {"ShapeBracketLED"};
// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED", "ShapeRJ45LED", kMoreLedShapes},
    {"CheckBoxSeg7", C::bSeg7, 1, "ShapeSeg7"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxSata_0", C::Sata(0), 0, "ShapeSata_0"},
    {"CheckBoxSata_1", C::Sata(1), 0, "ShapeSata_1"},
    {"CheckBoxSata_2", C::Sata(2), 0, "ShapeSata_2"},
    {"CheckBoxSata_3", C::Sata(3), 0, "ShapeSata_3"},
    {"CheckBoxSma", C::bSma, 0, "ShapeSma"},
    {"CheckBoxTemp", C::bTemp, 1, "ShapeTemp"},
    {"CheckBoxDDR3_0", C::DDR3(0), 0, "ShapeDDR3_0"},
    {"CheckBoxDDR3_1", C::DDR3(1), 0, "ShapeDDR3_1"},
    {"CheckBoxQdrA", C::QDRII(0), 0, "ShapeQDRII_A"},
    {"CheckBoxQdrB", C::QDRII(1), 0, "ShapeQDRII_B"},
    {"CheckBoxQdrC", C::QDRII(2), 0, "ShapeQDRII_C"},
    {"CheckBoxQdrD", C::QDRII(3), 0, "ShapeQDRII_D"},
    {"CheckBoxSfpA", C::Sfp(0), 0, "ShapeSfp_A"},
    {"CheckBoxSfpB", C::Sfp(1), 0, "ShapeSfp_B"},
    {"CheckBoxSfpC", C::Sfp(2), 0, "ShapeSfp_C"},
    {"CheckBoxSfpD", C::Sfp(3), 0, "ShapeSfp_D"},
    {"CheckBoxPCIe", C::bPCIe, 0, "ShapePCIe"},
    {"CheckBoxFan", C::bFan, 1, "ShapeFan"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxRs422", C::bRs422, 1, "ShapeRs422"},
};
// A ticked socket carries the DDR3 SO-DIMM module.
constexpr kit::ModuleBinding kModules[] = {
    {C::DDR3(0), kit::CardKind::Ddr3Sodimm, MASTER_DDR3_SODIMM_A, "DDR3A_"},
    {C::DDR3(1), kit::CardKind::Ddr3Sodimm, MASTER_DDR3_SODIMM_B, "DDR3B_"},
};
// clang-format on

constexpr kit::ChoiceBinding kChoiceLists[] = {
    {"ComboBoxSi570", C::nSi570Freq},
    {"ComboBoxCdcm61001", C::nCdcm61001Freq},
    {"ComboBoxCdcm61004", C::nCdcm61004Freq},
};

// The oscillators' lists: each shows "Not Use" while the interfaces it clocks are not
// ticked, and the choice it keeps while they are.
constexpr kit::GatedList kOscillatorLists[] = {
    {C::nSi570Freq, kPallexSi570NotUsed, kPallexSi570NotUsed},
    {C::nCdcm61001Freq, kPallexCdcmNotUsed, kPallexCdcmNotUsed},
    {C::nCdcm61004Freq, kPallexCdcmNotUsed, kPallexCdcmNotUsed},
};

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_PALLEX,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "S5",
    .folder = "S5",
    .flags = kFlags,
    .lists = {},
    .connectors = {},
    .attachShape = kit::AttachShape::FormRoutine,
    .loadFailureMessage = true,
    .headOnSave = kit::HeadOnSave::SizeOnly,
    .generateFrom = kit::GenerateFrom::Settings,
    .modules = kModules,
    .boardSelector = false,
    .choices = C::kChoiceFields,
    .choiceLists = kChoiceLists,
};

constexpr std::size_t kSata[] = {C::Sata(0), C::Sata(1), C::Sata(2), C::Sata(3)};
constexpr std::size_t kDdr3[] = {C::DDR3(0), C::DDR3(1)};
constexpr std::size_t kQdrii[] = {C::QDRII(0), C::QDRII(1), C::QDRII(2), C::QDRII(3)};
constexpr std::size_t kSfp[] = {C::Sfp(0), C::Sfp(1), C::Sfp(2), C::Sfp(3)};

bool Ask(const std::string& question) {
    return question.empty() || platform::ShowMessage(question, "Warning", platform::Icon::Warning,
                                                     platform::Buttons::YesNo) == platform::Button::Yes;
}

class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec) {}

    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigPallexPins(&board, r);
    }
    bool ConfirmGenerate(const SettingsRecord& r) const override {
        return Ask(PallexSfpQuestion(r)) && Ask(PallexSataQuestion(r));
    }
    std::vector<kit::Notice> AfterGenerate(const SettingsRecord& r,
                                           const std::string& folder) const override {
        return kit::NoteThenSuccess(PallexNotes(r), folder);
    }
    // Every choice of each oscillator with the interfaces it clocks, and the defaults.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        std::vector<SettingsRecord> variants{defaults};
        for (int32_t choice = 0; choice < 13; ++choice) {
            SettingsRecord v = defaults;
            v.SetU8(C::Sfp(choice % 4), 1);
            v.SetU8(C::Sata(choice % 4), 1);
            v.SetU8(C::bOSC, choice % 2);
            v.SetU8(C::bButton, choice % 3 == 0 ? 1 : 0);
            v.SetI32(C::nSi570Freq, choice % 8);
            v.SetI32(C::nCdcm61001Freq, choice);
            v.SetI32(C::nCdcm61004Freq, 12 - choice);
            variants.push_back(v);
        }
        SettingsRecord all = defaults;
        for (const kit::FlagBinding& f : kFlags)
            all.SetU8(f.offset, 1);
        all.SetI32(C::nSi570Freq, 7);
        all.SetI32(C::nCdcm61001Freq, 12);
        all.SetI32(C::nCdcm61004Freq, 2);
        variants.push_back(all);
        return variants;
    }

protected:
    void SetBoardDefaults(SettingsRecord& r) const override {
        for (const ChoiceField& f : C::kChoiceFields)
            r.SetI32(f.offset, f.fallback);
    }
    std::span<const kit::GatedList> GatedLists() const override { return kOscillatorLists; }
    // The Si570 and CDCM61001 lists are chosen while an SFP+ cage is ticked, the CDCM61004
    // list while a SATA port is.
    bool Serves(const SettingsRecord& r, std::size_t choice) const override {
        return choice == C::nCdcm61004Freq ? PallexAnySata(r) : PallexAnySfp(r);
    }
    // The oscillator outlines as the lists show before they follow the boxes; "Not Use" on
    // a CDCM list is index 1 and still shows its chip.
    void DrawOutlines(kit::FormView& view) const override {
        BoardLogic::DrawOutlines(view);
        view.shown["ShapeSi570"] = view.record.I32(C::nSi570Freq) != 0;
        view.shown["ShapeCdcm61001"] = view.record.I32(C::nCdcm61001Freq) != 0;
        view.shown["ShapeCdcm61004"] = view.record.I32(C::nCdcm61004Freq) != 0;
    }
};

void Join(std::string& list, bool when, const char* item) {
    if (when)
        JoinName(list, item);
}

} // namespace

const kit::BoardLogic& PallexLogic() {
    static const Logic logic;
    return logic;
}

std::vector<std::string> PallexSi570Items() {
    return ClockItems(&Si570Frequency, 8);
}

std::vector<std::string> PallexCdcmItems() {
    std::vector<std::string> items{"Unchanged", "Not Use"};
    for (uint8_t code = 2; code <= 12; ++code) {
        const double fFreq = Cdcm61001Frequency(code);
        PW_ASSERT(fFreq > 0.0L, "fFreq > 0.0L", "UI_PALLEX", 364);
        items.push_back(platform::Format("%.2f", fFreq));
    }
    return items;
}

bool PallexAnySfp(const SettingsRecord& r) {
    return kit::AnyTicked(r, kSfp);
}

bool PallexAnySata(const SettingsRecord& r) {
    return kit::AnyTicked(r, kSata);
}

std::string PallexSfpQuestion(const SettingsRecord& r) {
    if (PallexAnySfp(r) && r.I32(C::nSi570Freq) == 0 && r.I32(C::nCdcm61001Freq) == 0)
        return "QSP interface is enabled, but the associated programmable oscillator SI570 or CDCM61001 is "
               "not "
               "enalbed.\r\nDo you want to continued?";
    return std::string();
}

std::string PallexSataQuestion(const SettingsRecord& r) {
    if (PallexAnySata(r) && r.I32(C::nCdcm61004Freq) == 0)
        return "SATA interface is enabled, but the associated programmable oscillator CDCM61004 is not "
               "enabled.\r\nDo you want to continued?";
    return std::string();
}

std::string PallexNotes(const SettingsRecord& r) {
    std::string notes;
    std::string memory;
    Join(memory, kit::AnyTicked(r, kDdr3), "DDR3-SDRAM");
    Join(memory, kit::AnyTicked(r, kQdrii), "QDRII+ SRAM");
    if (!memory.empty())
        notes += MemoryNote(memory);
    std::string transceivers;
    Join(transceivers, PallexAnySata(r), "SATA");
    Join(transceivers, r.U8(C::bPCIe) != 0, "PCIe");
    Join(transceivers, PallexAnySfp(r), "SFP+");
    if (!transceivers.empty())
        notes += TransceiverNote(transceivers, false);
    return notes;
}
