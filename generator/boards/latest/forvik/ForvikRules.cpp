#include "ForvikRules.h"

#include "CONFIG_FORVIK.h"
#include "boards/kit/SettingsBoardLogic.h"
#include "boards/kit/VoltageMarks.h"
#include "model/DaughterId.h"
#include "platform/Platform.h"

#include <algorithm>

namespace {

using C = TConfigForvik::FORVIK_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxSeg7", C::bSeg7, 1, "ShapeSeg7"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxIR", C::bIR, 1, "ShapeIR"},
    {"CheckBoxVGA", C::bVGA, 1, "ShapeVGA"},
    {"CheckBoxVideoIn", C::bVideoIn, 1, "ShapeVideoIn"},
    {"CheckBoxAudio", C::bAudio, 1, "ShapeAudio"},
    {"CheckBoxADC", C::bADC, 1, "ShapeADC"},
    {"CheckBoxSDRAM", C::bSDRAM, 1, "ShapeSDRAM"},
    {"CheckBoxPS2", C::bPS2, 1, "ShapePS2"},
    {"CheckBoxHPS", C::bHPS, 0, "ShapeHPS"},
};
// In the settings objects' order: the GPIO list, then the HSMC lists at 3.3, 2.5, 1.8 and 1.5 V.
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_GPIO40, false, VOLTAGE_2V5},
    {CONNECTOR_HSMC, false, VOLTAGE_3V3},
    {CONNECTOR_HSMC, false, VOLTAGE_2V5},
    {CONNECTOR_HSMC, false, VOLTAGE_1V8},
    {CONNECTOR_HSMC, false, VOLTAGE_1V5},
};
// Both masters take direction and standard from the card; the board model's HSMC
// attach hands the card "3.3-V LVTTL" whatever the voltage.
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxGpio", "EditPrefixGpio", "ImageGpio", "ShapeGpio", C::nGpioDaughterId, C::szGpioPrefixName, 0, kit::CardKind::Gpio, MASTER_GPIO_0, IOSTD_3V3_LVTTL},
    {"ComboBoxHsmc", "EditPrefixHsmc", "ImageHSMC", "ShapeHSMC", C::nHsmcDaughterId, C::szHSMCPrefixName, 2, kit::CardKind::Hsmc, MASTER_HSMC_A, IOSTD_3V3_LVTTL, ""},
};
// By voltage index.
constexpr int kListOfVoltage[] = {1, 2, 3, 4};
constexpr kit::ChoiceBinding kChoiceLists[] = {{"ComboBoxHsmcVol", C::nHsmcVoltage}};
constexpr kit::ListSwitch kVoltageSwitch{C::nHsmcVoltage, FORVIK_HSMC, &ForvikHsmcList};
// clang-format on

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_FORVIK,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "Forvik",
    .folder = "Forvik",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::BoardModel,
    .choices = C::kChoiceFields,
    .choiceLists = kChoiceLists,
    .listSwitch = &kVoltageSwitch,
    .cardRules = {.upperCaseHsmc = true},
};

static_assert(C::kChoiceFields[0].count == std::size(kForvikVoltages));
static_assert(C::kChoiceFields[0].fallback == kForvikDefaultVoltage);

bool IsVoltage(int32_t v) {
    return v >= 0 && v < 4;
}

class Logic final : public kit::SettingsBoardLogic<TConfigForvik, ConfigForvikPins> {
public:
    Logic() : SettingsBoardLogic(kSpec) {}

    void ApplyDefaultPrefixes(SettingsRecord& r) const override {
        const uint8_t hsmc = r.U8(C::nHsmcDaughterId);
        if ((hsmc == DAUGHTER_HSMC_DEFAULT || hsmc == DAUGHTER_HSMC_DEFAULT_WITH_TRANSCEIVER) &&
            r.Text(C::szHSMCPrefixName).empty())
            r.SetText(C::szHSMCPrefixName, "HSMC_");
    }
    // The success box, the JP3 warning away from 2.5 V, then the HPS note.
    std::vector<kit::Notice> AfterGenerate(const SettingsRecord& r,
                                           const std::string& folder) const override {
        std::vector<kit::Notice> notices = BoardLogic::AfterGenerate(r, folder);
        if (r.I32(C::nHsmcVoltage) != kForvikDefaultVoltage)
            notices.push_back(
                {"You have changed the default voltage level of HSMC interface. \nPlease remember to "
                 "change the jumper position on JP3 accordingly.\n\nWanring:\nThe hardware could be "
                 "damaged permanently without proper setting of voltage level.",
                 "Warning", static_cast<int>(platform::Icon::Warning)});
        if (r.U8(C::bHPS) != 0)
            notices.push_back({std::string("===== HPS System warning =====\r\n") +
                                   "To prevent any errors while compiling your Quartus project, \r\n" +
                                   "please add the Altera HPS IP to your design.\r\n",
                               "Information", static_cast<int>(platform::Icon::Information)});
        return notices;
    }
    // Every voltage, with the defaults and with every peripheral ticked.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        std::vector<SettingsRecord> variants;
        for (int32_t v = 0; v < 4; ++v) {
            SettingsRecord r = defaults;
            r.SetI32(C::nHsmcVoltage, v);
            variants.push_back(r);
            for (const kit::FlagBinding& f : kFlags)
                r.SetU8(f.offset, 1);
            variants.push_back(r);
        }
        return variants;
    }

protected:
    void SetBoardDefaults(SettingsRecord& r) const override {
        r.SetI32(C::nHsmcVoltage, kForvikDefaultVoltage);
    }
    void DrawOutlines(kit::FormView& view) const override {
        BoardLogic::DrawOutlines(view);
        kit::ShowVoltageMark(view, kit::kHsmcVoltageMarks, view.record.I32(C::nHsmcVoltage),
                             kForvikDefaultVoltage);
    }
};

} // namespace

const kit::BoardLogic& ForvikLogic() {
    static const Logic logic;
    return logic;
}

int ForvikHsmcList(int32_t voltage) {
    return IsVoltage(voltage) ? kListOfVoltage[voltage] : kListOfVoltage[kForvikDefaultVoltage];
}
