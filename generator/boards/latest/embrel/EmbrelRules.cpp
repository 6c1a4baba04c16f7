#include "EmbrelRules.h"

#include "CONFIG_EMBREL.h"
#include "boards/kit/AnyTicked.h"
#include "boards/latest/ClockBoardTexts.h"
#include "boards/latest/Si5340BoardLogic.h"
#include "platform/Platform.h"

#include <algorithm>

namespace {

using C = TConfigEmbrel::EMBREL_CONFIG;

// In the order the form shows a record: each box's handler runs as it changes.
// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED", "ShapeBracketLED"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxPower", C::bPower, 1, "ShapePower"},
    {"CheckBoxTemp", C::bTemp, 1, "ShapeTemp"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxQsfpA", C::bQsfpA, 0, "ShapeQsfp_A"},
    {"CheckBoxQsfpB", C::bQsfpB, 0, "ShapeQsfp_B"},
    {"CheckBoxQsfpC", C::bQsfpC, 0, "ShapeQsfp_C"},
    {"CheckBoxQsfpD", C::bQsfpD, 0, "ShapeQsfp_D"},
    {"CheckBoxQdrA", C::bQdriiA, 0, "ShapeQDRII_A"},
    {"CheckBoxQdrB", C::bQdriiB, 0, "ShapeQDRII_B"},
    {"CheckBoxQdrC", C::bQdriiC, 0, "ShapeQDRII_C"},
    {"CheckBoxQdrD", C::bQdriiD, 0, "ShapeQDRII_D"},
    {"CheckBoxQdrE", C::bQdriiE, 0, "ShapeQDRII_E"},
    {"CheckBoxQdrF", C::bQdriiF, 0, "ShapeQDRII_F"},
    {"CheckBoxFan", C::bFan, 1, "ShapeFan"},
    {"CheckBoxPCIe", C::bPcie, 0, "ShapePCIe"},
    {"CheckBoxRs422", C::bRs422, 0, "ShapeRs422"},
    {"CheckBoxGPIO", C::bGpio, 0, "ShapeGPIO"},
};

constexpr std::size_t kQsfpAUsers[] = {C::bQsfpA};
constexpr std::size_t kQsfpBUsers[] = {C::bQsfpB};
constexpr std::size_t kQsfpCUsers[] = {C::bQsfpC};
constexpr std::size_t kQsfpDUsers[] = {C::bQsfpD};
constexpr std::size_t kQdriiUsers[] = {C::bQdriiA, C::bQdriiB, C::bQdriiC, C::bQdriiD, C::bQdriiE, C::bQdriiF};
constexpr Si5340ClockList kClockLists[] = {
    {"ComboBoxSi5340A_A", C::nSi5340A + 0, &TConfigEmbrel::Si5340aFrequency, 8, kQsfpAUsers, "QSFPA", Si5340Chip::A},
    {"ComboBoxSi5340A_B", C::nSi5340A + 4, &TConfigEmbrel::Si5340aFrequency, 8, kQsfpBUsers, "QSFPB", Si5340Chip::A},
    {"ComboBoxSi5340A_C", C::nSi5340A + 8, &TConfigEmbrel::Si5340aFrequency, 8, kQsfpCUsers, "QSFPC", Si5340Chip::A},
    {"ComboBoxSi5340A_D", C::nSi5340A + 12, &TConfigEmbrel::Si5340aFrequency, 8, kQsfpDUsers, "QSFPD", Si5340Chip::A},
    {"ComboBoxSi5340B_QDRII", C::nSi5340B, &TConfigEmbrel::Si5340bQdriiFrequency, 4, kQdriiUsers, "QDRII", Si5340Chip::B},
};
// clang-format on

constexpr kit::ChoiceBinding kChoiceLists[] = {
    {"ComboBoxSi5340A_A", C::nSi5340A + 0}, {"ComboBoxSi5340A_B", C::nSi5340A + 4},
    {"ComboBoxSi5340A_C", C::nSi5340A + 8}, {"ComboBoxSi5340A_D", C::nSi5340A + 12},
    {"ComboBoxSi5340B_QDRII", C::nSi5340B},
};

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_EMBREL,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "Embrel",
    .folder = "Embrel",
    .flags = kFlags,
    .lists = {},
    .connectors = {},
    .attachShape = kit::AttachShape::BoardModel,
    .loadFailureMessage = true,
    .generateFrom = kit::GenerateFrom::Settings,
    .boardSelector = false,
    .boxClickOnLoad = true,
    .choices = C::kChoiceFields,
    .choiceLists = kChoiceLists,
};

class Logic final : public Si5340BoardLogic<TConfigEmbrel, ConfigEmbrelPins> {
public:
    Logic() : Si5340BoardLogic(kSpec, kClockLists) {}

    // No expansion connector: nothing is ever attached.
    std::vector<kit::AttachStep> AttachPlan(const SettingsRecord&) const override { return {}; }
    bool ConfirmGenerate(const SettingsRecord& r) const override { return AskOscillators(r, kClockLists); }
    std::vector<kit::Notice> AfterGenerate(const SettingsRecord& r,
                                           const std::string& folder) const override {
        return kit::NoteThenSuccess(EmbrelNotes(r), folder);
    }
    // Everything, the LTM4677 interface, and the clock chips without the boxes that
    // usually bring their oscillator and reset.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        std::vector<SettingsRecord> variants{defaults};
        SettingsRecord all = defaults;
        EmbrelSelectAll(all);
        variants.push_back(all);
        all.SetU8(C::bLtm4677, 1);
        variants.push_back(all);
        SettingsRecord chipsAlone = defaults;
        for (const kit::FlagBinding& f : kFlags)
            chipsAlone.SetU8(f.offset, 0);
        chipsAlone.SetU8(C::bQsfpA, 1);
        chipsAlone.SetI32(C::nSi5340A, 7);
        chipsAlone.SetU8(C::bQdriiB, 1);
        chipsAlone.SetU8(C::bQdriiF, 1);
        chipsAlone.SetI32(C::nSi5340B, 1);
        variants.push_back(chipsAlone);
        return variants;
    }
};

} // namespace

const kit::BoardLogic& EmbrelLogic() {
    static const Logic logic;
    return logic;
}

std::span<const Si5340ClockList> EmbrelClockLists() {
    return kClockLists;
}

void EmbrelSelectAll(SettingsRecord& r) {
    EmbrelLogic().SetDefaultConfig(r);
    for (std::size_t flag : {C::bQdriiA, C::bQdriiB, C::bQdriiC, C::bQdriiD, C::bQdriiE, C::bQdriiF,
                             C::bQsfpA, C::bQsfpB, C::bQsfpC, C::bQsfpD, C::bPcie, C::bRs422, C::bGpio})
        r.SetU8(flag, 1);
    for (std::size_t i = 0; i < 4; ++i)
        r.SetI32(C::nSi5340A + 4 * i, 7); // 644.53125 MHz
    r.SetI32(C::nSi5340B, 3);             // 275 MHz
}

std::string EmbrelNotes(const SettingsRecord& r) {
    std::string notes;
    if (kit::AnyTicked(r, {C::bQdriiA, C::bQdriiB, C::bQdriiC, C::bQdriiD, C::bQdriiE, C::bQdriiF}))
        notes += MemoryNote("QDRII+ SRAM");
    std::string transceivers;
    if (r.U8(C::bPcie))
        JoinName(transceivers, "PCIe");
    if (kit::AnyTicked(r, {C::bQsfpA, C::bQsfpB, C::bQsfpC, C::bQsfpD}))
        JoinName(transceivers, "QSFP+");
    if (!transceivers.empty())
        notes += TransceiverNote(transceivers, false);
    return notes;
}
