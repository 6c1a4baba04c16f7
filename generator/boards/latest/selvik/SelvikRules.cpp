#include "SelvikRules.h"

#include "CONFIG_SELVIK.h"
#include "boards/kit/VoltageMarks.h"
#include "model/DaughterId.h"
#include "platform/Platform.h"

namespace {

using C = SELVIK_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxDDR3", C::bDDR3, 1, "ShapeDDR3"},
    {"CheckBoxIR", C::bIR, 1, "ShapeIR"},
    {"CheckBoxVGA", C::bVGA, 1, "ShapeVGA"},
    {"CheckBoxAudio", C::bAudio, 1, "ShapeAudio"},
    {"CheckBoxTemperature", C::bTemperature, 1, "ShapeTemperature"},
    {"CheckBoxSi5338", C::bSi5338, 1, "ShapeSi5338"},
};
// In holder order: 2.5 V (the settings object), 3.3 V, 1.8 V, 1.5 V.
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_HSMC, true, VOLTAGE_2V5},
    {CONNECTOR_HSMC, true, VOLTAGE_3V3},
    {CONNECTOR_HSMC, true, VOLTAGE_1V8},
    {CONNECTOR_HSMC, true, VOLTAGE_1V5},
};
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxHSMC", "EditPrefixHSMC", "ImageHSMC", "ShapeHSMC", C::nHsmcDaughterId, C::szHSMCPrefixName, 0, kit::CardKind::Hsmc, MASTER_HSMC_A, IOSTD_2V5, ""},
};
// By voltage index.
constexpr int kListOfVoltage[] = {1, 0, 2, 3};
constexpr kit::ChoiceBinding kChoiceLists[] = {{"ComboBoxHsmcVol", C::nHsmcVoltage}};
constexpr kit::ListSwitch kVoltageSwitch{C::nHsmcVoltage, 0, &SelvikHsmcList};
// clang-format on

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_SELVIK,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "Selvik",
    .folder = "SELVIK",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::FormRoutine,
    .choices = C::kChoiceFields,
    .choiceLists = kChoiceLists,
    .listSwitch = &kVoltageSwitch,
    .cardRules = {.upperCaseHsmc = true},
};

bool IsVoltage(int32_t v) {
    return v >= 0 && v < 4;
}

class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec) {}

    void ApplyDefaultPrefixes(SettingsRecord& r) const override {
        const uint8_t hsmc = r.U8(C::nHsmcDaughterId);
        if ((hsmc == DAUGHTER_HSMC_DEFAULT || hsmc == DAUGHTER_HSMC_DEFAULT_WITH_TRANSCEIVER) &&
            r.Text(C::szHSMCPrefixName).empty())
            r.SetText(C::szHSMCPrefixName, "HSMC_");
    }
    std::vector<kit::AttachStep> AttachPlan(const SettingsRecord& r) const override {
        std::vector<kit::AttachStep> steps = BoardLogic::AttachPlan(r);
        for (kit::AttachStep& step : steps)
            step.ioStandard = SelvikHsmcStandard(r.I32(C::nHsmcVoltage));
        return steps;
    }
    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigSelvikPins(&board, r);
    }
    std::vector<kit::Notice> AfterGenerate(const SettingsRecord& r,
                                           const std::string& folder) const override {
        std::vector<kit::Notice> notices = BoardLogic::AfterGenerate(r, folder);
        if (r.I32(C::nHsmcVoltage) != kSelvikDefaultVoltage)
            notices.push_back(
                {"You have changed the default voltage level of HSMC interface. \nPlease remember to "
                 "change the shunt position on JP7 accordingly.\n\nWanring:\nThe hardware could be "
                 "damaged permanently without proper setting of voltage level.",
                 "Warning", static_cast<int>(platform::Icon::Warning)});
        return notices;
    }
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        std::vector<SettingsRecord> variants;
        for (int32_t v = 0; v < 4; ++v) {
            variants.push_back(defaults);
            variants.back().SetI32(C::nHsmcVoltage, v);
        }
        return variants;
    }

protected:
    void SetBoardDefaults(SettingsRecord& r) const override {
        r.SetI32(C::nHsmcVoltage, kSelvikDefaultVoltage);
    }
    void DrawOutlines(kit::FormView& view) const override {
        BoardLogic::DrawOutlines(view);
        kit::ShowVoltageMark(view, kit::kHsmcVoltageMarks, view.record.I32(C::nHsmcVoltage),
                             kSelvikDefaultVoltage);
    }
};

} // namespace

const kit::BoardLogic& SelvikLogic() {
    static const Logic logic;
    return logic;
}

int SelvikHsmcList(int32_t voltage) {
    return IsVoltage(voltage) ? kListOfVoltage[voltage] : 0;
}
