#include "KestinRules.h"

#include "CONFIG_KESTIN.h"
#include "model/DaughterId.h"

#include <algorithm>

namespace {

using C = KESTIN_CONFIG;
using kit::CardKind;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxGpio", C::bGpio, 0, "ShapePio"},
    {"CheckBoxDDR2", C::bDDR2, 0, "ShapeDDR2"},
    {"CheckBoxPciBus", C::bPciBus, 0, "ShapeBridge"},
};
constexpr kit::CardListSpec kLists[] = {{CONNECTOR_KAPPEL, false, VOLTAGE_2V5}};
// Kappel 2/3 shows three outlines (the form draws them).
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxKappel23", "EditPrefixKappel23", "ImageKappel23", nullptr, C::nKappel23DaughterId, C::szKappel23PrefixName, 0, CardKind::HsmcOrKappel, MASTER_KAPPEL_1, IOSTD_3V3_LVTTL, nullptr, 0, 1, "Kappel 2/3"},
    {"ComboBoxKappel1", "EditPrefixKappel1", "ImageKappel1", "ShapeKappel1", C::nKappel1DaughterId, C::szKappel1PrefixName, 0, CardKind::HsmcOrKappel, MASTER_KAPPEL_0, IOSTD_3V3_LVTTL, nullptr, 0, 4, "Kappel 1"},
};
// clang-format on
constexpr kit::ModuleBinding kModules[] = {
    {C::bDDR2, CardKind::Ddr2SodimmNoDiffStrobes, MASTER_DDR2_SODIMM, "mem_"}};

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_KESTIN,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "Kestin",
    .folder = "Kestin",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::OlderForm,
    .save = kit::SaveAtEnd::InDestructor,
    .successBox = false,
    .modules = kModules,
};

bool IsModule(const kit::AttachStep& step) {
    return step.kind == CardKind::Ddr2SodimmNoDiffStrobes;
}

class KestinRules final : public kit::BoardLogic {
public:
    KestinRules() : BoardLogic(kSpec) {}

protected:
    // The card on Kappel 2/3 spans both connectors: both outlines and the line joining them.
    void DrawOutlines(kit::FormView& view) const override {
        BoardLogic::DrawOutlines(view);
        const bool used = CardId(view.record, kestin::KAPPEL_23) != 0;
        for (const char* shape : {"ShapeKappel2", "ShapeKappel3", "ShapeKappel23"})
            view.shown[shape] = used;
    }

public:
    std::string CheckPrefixes(const SettingsRecord& r) const override { return kestin::CheckKappelPair(r); }
    std::string PrefixRulesOverName(const SettingsRecord& r) const override {
        return kestin::CheckKappelPair(r);
    }
    // The connectors' pins are sorted before any card is attached.
    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard* /*settings*/) const override {
        ConfigKestinPins(&board, r);
        board.SortAllConnectors();
    }
    // The module in the socket first, then Kappel 2/3, then Kappel 1.
    std::vector<kit::AttachStep> AttachPlan(const SettingsRecord& r) const override {
        std::vector<kit::AttachStep> steps = BoardLogic::AttachPlan(r);
        std::stable_partition(steps.begin(), steps.end(), IsModule);
        return steps;
    }
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        SettingsRecord socket = defaults;
        socket.SetU8(C::bDDR2, 1);
        return {defaults, socket};
    }
};

} // namespace

const kit::BoardLogic& KestinLogic() {
    static const KestinRules logic;
    return logic;
}

namespace kestin {

std::string CheckKappelPair(const SettingsRecord& r) {
    const int32_t id23 = r.U8(C::nKappel23DaughterId);
    if (id23 > 0 && id23 == r.I32(C::nKappel1DaughterId) &&
        r.Text(C::szKappel23PrefixName) == r.Text(C::szKappel1PrefixName))
        return "Kappel23 and Kappel1 cannot have the same prefix name when both connect to the same type of "
               "daughter boards.";
    return std::string();
}

} // namespace kestin
