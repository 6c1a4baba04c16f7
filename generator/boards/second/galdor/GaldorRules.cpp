#include "GaldorRules.h"

#include "CONFIG_GALDOR.h"
#include "model/DaughterId.h"

namespace {

using C = GALDOR_CONFIG;
using N = GALDOR_CONFIG::NODE_CONFIG;

// clang-format off
template <int Node>
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::Node(Node, N::bOSC), 1, "ShapeOSC"},
    {"CheckBoxLED", C::Node(Node, N::bLED), 1, "ShapeLED"},
    {"CheckBoxButton", C::Node(Node, N::bButton), 1, "ShapeButton"},
    {"CheckBoxSwitch", C::Node(Node, N::bSwitch), 1, "ShapeSwitch"},
    {"CheckBoxSDCARD", C::Node(Node, N::bSDCARD), 1, "ShapeSDCARD"},
    {"CheckBoxSma", C::Node(Node, N::bSma), 1, "ShapeSma"},
    {"CheckBoxUSB", C::Node(Node, N::bUSB), 1, "ShapeUSB"},
    {"CheckBoxTemp", C::Node(Node, N::bTemp), 1, "ShapeTemp"},
    {"CheckBoxDDR2", C::Node(Node, N::bDDR2), 0, "ShapeDDR2"},
    {"CheckBoxDDR3", C::Node(Node, N::bDDR3), 0, "ShapeDDR3"},
    {"CheckBoxPCIe", C::Node(Node, N::bPCIe), 0, "ShapePCIe"},
    {"CheckBoxFPGABridge", C::Node(Node, N::bFPGABridge), 0, "ShapeFPGABridge"},
    {"CheckBoxFan", C::Node(Node, N::bFan), 1, "ShapeFan"},
    {"CheckBoxSSRAM", C::Node(Node, N::bSSRAM), 1, "ShapeSSRAM"},
    {"CheckBoxFlash", C::Node(Node, N::bFlash), 1, "ShapeFlash"},
    {"CheckBoxLCD", C::Node(Node, N::bLCD), 1, "ShapeLCD"},
    {"CheckBoxEthernet", C::Node(Node, N::bEthernet), 1, "ShapeEthernet"},
    {"CheckBoxEEPROM", C::Node(Node, N::bEEPROM), 1, "ShapeEEPROM"},
};
// One HSMC list serves the four ports of both nodes.
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_HSMC, false, VOLTAGE_2V5},
};
template <int Node>
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxHSMC_A", "EditHSMC_A", "ImageHSMC_A", "ShapeHSMC_A", C::HsmcDaughterId(Node, 0), C::HsmcPrefixName(Node, 0), 0, kit::CardKind::Hsmc, MASTER_HSMC_A, IOSTD_2V5, ""},
    {"ComboBoxHSMC_B", "EditHSMC_B", "ImageHSMC_B", "ShapeHSMC_B", C::HsmcDaughterId(Node, 1), C::HsmcPrefixName(Node, 1), 0, kit::CardKind::Hsmc, MASTER_HSMC_B, IOSTD_2V5, ""},
    {"ComboBoxHSMC_C", "EditHSMC_C", "ImageHSMC_C", "ShapeHSMC_C", C::HsmcDaughterId(Node, 2), C::HsmcPrefixName(Node, 2), 0, kit::CardKind::Hsmc, MASTER_HSMC_C, IOSTD_2V5, ""},
    {"ComboBoxHSMC_D", "EditHSMC_D", "ImageHSMC_D", "ShapeHSMC_D", C::HsmcDaughterId(Node, 3), C::HsmcPrefixName(Node, 3), 0, kit::CardKind::Hsmc, MASTER_HSMC_D, IOSTD_2V5, ""},
};
// The four ports in pairs (A, B), (A, C), ... (C, D): one card twice needs two prefixes.
constexpr int kHsmcPorts[] = {GALDOR_HSMC_A, GALDOR_HSMC_B, GALDOR_HSMC_C, GALDOR_HSMC_D};
constexpr kit::PrefixRule kPrefixRules[] = {
    {kit::PrefixRuleKind::Hsmc, kHsmcPorts},
};
// The node's DDR2 module, with its fixed prefix.
template <int Node>
constexpr kit::ModuleBinding kModules[] = {
    {C::Node(Node, N::bDDR2), kit::CardKind::Ddr2Sodimm, MASTER_DDR2_SODIMM, "mem_"},
};
// clang-format on

constexpr kit::ChoiceBinding kChoiceLists[] = {{"ComboBoxBoard", C::nBoardType}};

template <int Node>
constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_GALDOR,
    .recordSize = C::kSize,
    .head = {C::BoardId, C::Size, C::Node(Node, N::szProjectName)},
    .defaultName = Node == 0 ? "F1_HARLIN" : "F2_HARLIN",
    .folder = "GALDOR",
    .flags = kFlags<Node>,
    .lists = kLists,
    .connectors = kConnectors<Node>,
    .attachShape = kit::AttachShape::FormRoutine,
    .save = kit::SaveAtEnd::InDestructor,
    .successBox = false,
    .loadFailureMessage = true,
    .generateFrom = kit::GenerateFrom::Settings,
    .prefixOnShow = kit::PrefixOnShow::OnlyWhenFound,
    .prefixRules = kPrefixRules,
    .modules = kModules<Node>,
    .choices = C::kChoiceFields,
    .choiceLists = kChoiceLists,
    .partList = "ComboBoxFPGA",
    .cardRules = {.xcvrStandard = IOSTD_1V4_PCML, .replaceIoStandard = true, .ioStandard = IOSTD_3V0_PCI_X},
};

template <int Node> class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec<Node>) {}

    // The form shows one node at a time.
    int Parts() const override { return C::kNodes; }
    const kit::BoardLogic& Part(int part) const override { return GaldorNodeLogic(part); }

    // The one board type, and no MAX II flag in either node (no control clears it).
    void FixLoaded(SettingsRecord& r) const override {
        for (int node = 0; node < C::kNodes; ++node)
            r.SetU8(C::Node(node, N::bMax2), 0);
    }
    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigGaldorPins(&board, r, Node);
    }
    // The defaults put the LCD, the temperature sensor and their I2C bus on one location,
    // which the writers refuse; a node without them builds, with every other group and
    // the DDR2 module.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        SettingsRecord builds = defaults;
        for (const kit::FlagBinding& f : kFlags<Node>)
            builds.SetU8(f.offset, 1);
        for (std::size_t shared : {N::bTemp, N::bLCD, N::bEEPROM})
            builds.SetU8(C::Node(Node, shared), 0);
        return {defaults, builds};
    }

protected:
    // Both nodes take their defaults, each with its own project name.
    void SetBoardDefaults(SettingsRecord& r) const override {
        for (const kit::FlagBinding& f : kFlags<1 - Node>)
            r.SetU8(f.offset, f.defaultValue);
        r.SetText(kSpec<1 - Node>.head.projectName, kSpec<1 - Node>.defaultName);
    }
};

} // namespace

const kit::BoardLogic& GaldorNodeLogic(int node) {
    static const Logic<0> node0;
    static const Logic<1> node1;
    return node == 1 ? static_cast<const kit::BoardLogic&>(node1) : node0;
}

const kit::BoardLogic& GaldorLogic() {
    return GaldorNodeLogic(0);
}
