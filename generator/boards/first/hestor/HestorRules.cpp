#include "HestorRules.h"

#include "CONFIG_HESTOR.h"
#include "model/DaughterId.h"

#include <algorithm>

namespace {

using C = HESTOR_CONFIG;

// The form has no outlines; DDR3 and Ethernet are stored and add no pins.
// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1},
    {"CheckBoxLED", C::bLED, 1},
    {"CheckBoxButton", C::bButton, 1},
    {"CheckBoxDIP", C::bDIP, 1},
    {"CheckBoxLCD", C::bLCD, 1},
    {"CheckBoxEthernet", C::bEthernet, 1},
    {"CheckBoxDDR2", C::bDDR2, 0},
    {"CheckBoxDDR3", C::bDDR3, 0},
    {"CheckBoxPciBus", C::bPciBus, 0},
};
constexpr kit::CardListSpec kLists[] = {{CONNECTOR_HSMC, true, VOLTAGE_2V5}};
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxPortA", "EditPrefixPortA", "ImagePortA", nullptr, C::nHSMCDaughterId[C::PORT_A], C::szHSMCPrefixName[C::PORT_A], 0, kit::CardKind::Hsmc, MASTER_HSMC_A, IOSTD_2V5},
    {"ComboBoxPortB", "EditPrefixPortB", "ImagePortB", nullptr, C::nHSMCDaughterId[C::PORT_B], C::szHSMCPrefixName[C::PORT_B], 0, kit::CardKind::Hsmc, MASTER_HSMC_B, IOSTD_2V5},
};
constexpr int kPorts[] = {0, 1};
constexpr kit::PrefixRule kPrefixRules[] = {{kit::PrefixRuleKind::Hsmc, kPorts}};
constexpr kit::ModuleBinding kModules[] = {{C::bDDR2, kit::CardKind::Ddr2Sodimm, MASTER_DDR2_SODIMM, "mem_"}};
// clang-format on

// The older shape without default.cfg: every start shows the defaults, a failed Load
// says so, and the ports' prefix rule is the one message when it breaks.
constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_HESTOR,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "Hestor",
    .folder = "Hestor",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::OlderForm,
    .save = kit::SaveAtEnd::Never,
    .successBox = false,
    .loadFailureMessage = true,
    .prefixRules = kPrefixRules,
    .modules = kModules,
    .prefixRulesFirst = true,
};

class HestorRules final : public kit::BoardLogic {
public:
    HestorRules() : BoardLogic(kSpec) {}

    // default.cfg is not this form's: every start shows the defaults.
    void PrepareStart(SettingsRecord& r) const override { SetDefaultConfig(r); }

    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        // No control sets the port-B extras: the table never sees them set.
        SettingsRecord pins = r;
        pins.SetU8(C::bHsmbExtra, 0);
        ConfigHestorPins(&board, pins);
    }
    // The memory module first, then port A and port B.
    std::vector<kit::AttachStep> AttachPlan(const SettingsRecord& r) const override {
        std::vector<kit::AttachStep> steps = BoardLogic::AttachPlan(r);
        std::stable_partition(steps.begin(), steps.end(),
                              [](const kit::AttachStep& s) { return s.kind == kit::CardKind::Ddr2Sodimm; });
        return steps;
    }
    // The socket and the PCIe lanes ticked as well.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        SettingsRecord all = defaults;
        for (std::size_t flag : {C::bDDR2, C::bDDR3, C::bPciBus})
            all.SetU8(flag, 1);
        return {defaults, all};
    }
};

} // namespace

const kit::BoardLogic& HestorLogic() {
    static const HestorRules logic;
    return logic;
}
