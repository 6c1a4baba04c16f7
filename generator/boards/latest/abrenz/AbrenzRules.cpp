#include "AbrenzRules.h"

#include "CONFIG_ABRENZ.h"
#include "boards/kit/AnyTicked.h"
#include "boards/latest/ClockBoardTexts.h"
#include "boards/latest/Si5340BoardLogic.h"
#include "model/DaughterId.h"
#include "platform/Platform.h"

#include <algorithm>

namespace {

using C = TConfigAbrenz::ABRENZ_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED", "ShapeBracketLED"},
    {"CheckBoxSeg7", C::bSeg7, 1, "ShapeSeg7"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxSma", C::bSma, 0, "ShapeSma"},
    {"CheckBoxTemp", C::bTemp, 1, "ShapeTemp"},
    {"CheckBoxPower", C::bPower, 1, "ShapePower"},
    {"CheckBoxDDR3_0", C::bDdr3A, 0, "ShapeDDR3_0"},
    {"CheckBoxDDR3_1", C::bDdr3B, 0, "ShapeDDR3_1"},
    {"CheckBoxQdrA", C::bQdriiA, 0, "ShapeQDRII_A"},
    {"CheckBoxQdrB", C::bQdriiB, 0, "ShapeQDRII_B"},
    {"CheckBoxQdrC", C::bQdriiC, 0, "ShapeQDRII_C"},
    {"CheckBoxQdrD", C::bQdriiD, 0, "ShapeQDRII_D"},
    {"CheckBoxQsfpA", C::bQsfpA, 0, "ShapeQsfp_A"},
    {"CheckBoxQsfpB", C::bQsfpB, 0, "ShapeQsfp_B"},
    {"CheckBoxQsfpC", C::bQsfpC, 0, "ShapeQsfp_C"},
    {"CheckBoxQsfpD", C::bQsfpD, 0, "ShapeQsfp_D"},
    {"CheckBoxPCIe", C::bPcie, 0, "ShapePCIe"},
    {"CheckBoxFan", C::bFan, 1, "ShapeFan"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxPceiClk", C::bPcieRefClk, 0},
    {"CheckBoxRs422", C::bRs422, 0, "ShapeRs422"},
};

constexpr std::size_t kQsfpAUsers[] = {C::bQsfpA};
constexpr std::size_t kQsfpBUsers[] = {C::bQsfpB};
constexpr std::size_t kQsfpCUsers[] = {C::bQsfpC};
constexpr std::size_t kQsfpDUsers[] = {C::bQsfpD};
constexpr std::size_t kDdr3Users[] = {C::bDdr3A, C::bDdr3B};
constexpr std::size_t kQdriiUsers[] = {C::bQdriiA, C::bQdriiB, C::bQdriiC, C::bQdriiD};
// CheckBoxPCIe enables no list: the on-board reference clock has a box of its own.
constexpr std::size_t kPcieUsers[] = {C::bPcieRefClk};
constexpr Si5340ClockList kClockLists[] = {
    {"ComboBoxDi5340A_A", C::nSi5340A + 0, &TConfigAbrenz::Si5340aFrequency, 8, kQsfpAUsers, "QSFPA", Si5340Chip::A},
    {"ComboBoxDi5340A_B", C::nSi5340A + 4, &TConfigAbrenz::Si5340aFrequency, 8, kQsfpBUsers, "QSFPB", Si5340Chip::A},
    {"ComboBoxDi5340A_C", C::nSi5340A + 8, &TConfigAbrenz::Si5340aFrequency, 8, kQsfpCUsers, "QSFPC", Si5340Chip::A},
    {"ComboBoxDi5340A_D", C::nSi5340A + 12, &TConfigAbrenz::Si5340aFrequency, 8, kQsfpDUsers, "QSFPD", Si5340Chip::A},
    {"ComboBoxDi5340B_DDR3", C::nSi5340BDdr3, &TConfigAbrenz::Si5340bDdr3Frequency, 4, kDdr3Users, "DDR3", Si5340Chip::B},
    {"ComboBoxDi5340B_QDRII", C::nSi5340BQdrii, &TConfigAbrenz::Si5340bQdriiFrequency, 5, kQdriiUsers, "QDRII", Si5340Chip::B},
    {"ComboBoxDi5340B_PCIE", C::nSi5340BPcie, &TConfigAbrenz::Si5340bPcieFrequency, 2, kPcieUsers, "On-Board PCIe ref clock", Si5340Chip::B},
};
// The variant and the clock-output lists, by the fields they show.
constexpr kit::ChoiceBinding kChoiceLists[] = {
    {"ComboBoxBoard", C::nBoardType},
    {"ComboBoxDi5340A_A", C::nSi5340A + 0},
    {"ComboBoxDi5340A_B", C::nSi5340A + 4},
    {"ComboBoxDi5340A_C", C::nSi5340A + 8},
    {"ComboBoxDi5340A_D", C::nSi5340A + 12},
    {"ComboBoxDi5340B_DDR3", C::nSi5340BDdr3},
    {"ComboBoxDi5340B_QDRII", C::nSi5340BQdrii},
    {"ComboBoxDi5340B_PCIE", C::nSi5340BPcie},
};
// The sockets always carry the DDR3 SO-DIMM module.
constexpr kit::ModuleBinding kModules[] = {
    {C::bDdr3A, kit::CardKind::Ddr3SodimmSstl15, MASTER_DDR3_SODIMM_A, "DDR3A_"},
    {C::bDdr3B, kit::CardKind::Ddr3SodimmSstl15, MASTER_DDR3_SODIMM_B, "DDR3B_"},
};
// clang-format on

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_ABRENZ,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "ABRENZ",
    .folder = "Abrenz",
    .flags = kFlags,
    .lists = {},
    .connectors = {},
    .attachShape = kit::AttachShape::BoardModel,
    .loadFailureMessage = true,
    .generateFrom = kit::GenerateFrom::Settings,
    .modules = kModules,
    .boardSelector = false,
    .choices = C::kChoiceFields,
    .choiceLists = kChoiceLists,
};

class Logic final : public Si5340BoardLogic<TConfigAbrenz, ConfigAbrenzPins> {
public:
    Logic() : Si5340BoardLogic(kSpec, kClockLists) {}

    bool ConfirmGenerate(const SettingsRecord& r) const override { return AskOscillators(r, kClockLists); }
    std::vector<kit::Notice> AfterGenerate(const SettingsRecord& r,
                                           const std::string& folder) const override {
        return kit::NoteThenSuccess(AbrenzNotes(r), folder);
    }
    // Every device, and the clock chips with and without the boxes that usually bring
    // their oscillator and reset.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        std::vector<SettingsRecord> variants{defaults};
        for (uint8_t v = 1; v < std::size(kAbrenzVariants); ++v) {
            variants.push_back(defaults);
            variants.back().SetU8(C::nBoardType, v);
        }
        SettingsRecord all = defaults;
        AbrenzSelectAll(all);
        variants.push_back(all);
        SettingsRecord chipsAlone = defaults;
        for (const kit::FlagBinding& f : kFlags)
            chipsAlone.SetU8(f.offset, 0);
        chipsAlone.SetU8(C::bQsfpA, 1);
        chipsAlone.SetI32(C::nSi5340A, 7);
        chipsAlone.SetU8(C::bDdr3B, 1);
        chipsAlone.SetI32(C::nSi5340BDdr3, 1);
        variants.push_back(chipsAlone);
        return variants;
    }
};

} // namespace

const kit::BoardLogic& AbrenzLogic() {
    static const Logic logic;
    return logic;
}

std::span<const Si5340ClockList> AbrenzClockLists() {
    return kClockLists;
}

void AbrenzSelectAll(SettingsRecord& r) {
    AbrenzLogic().SetDefaultConfig(r);
    for (std::size_t flag : {C::bSma, C::bDdr3A, C::bDdr3B, C::bQdriiA, C::bQdriiB, C::bQdriiC, C::bQdriiD,
                             C::bQsfpA, C::bQsfpB, C::bQsfpC, C::bQsfpD, C::bPcie, C::bPcieRefClk, C::bRs422})
        r.SetU8(flag, 1);
    for (std::size_t i = 0; i < 4; ++i)
        r.SetI32(C::nSi5340A + 4 * i, 7); // 644.53125 MHz
    r.SetI32(C::nSi5340BDdr3, 3);         // 266.667 MHz
    r.SetI32(C::nSi5340BQdrii, 3);        // 250 MHz
    r.SetI32(C::nSi5340BPcie, 1);         // 100 MHz
}

std::string AbrenzNotes(const SettingsRecord& r) {
    std::string notes;
    std::string memory;
    if (kit::AnyTicked(r, {C::bDdr3A, C::bDdr3B}))
        JoinName(memory, "DDR3-SDRAM");
    if (kit::AnyTicked(r, {C::bQdriiA, C::bQdriiB, C::bQdriiC, C::bQdriiD}))
        JoinName(memory, "QDRII+ SRAM");
    if (!memory.empty())
        notes += MemoryNote(memory);
    std::string transceivers;
    if (r.U8(C::bPcie))
        JoinName(transceivers, "PCIe");
    if (kit::AnyTicked(r, {C::bQsfpA, C::bQsfpB, C::bQsfpC, C::bQsfpD}))
        JoinName(transceivers, "QSFP+");
    if (!transceivers.empty())
        notes += TransceiverNote(transceivers, false);
    return notes;
}
