#include "JorrelRules.h"

#include "CONFIG_JORREL.h"
#include "model/DaughterId.h"

namespace {

using C = JORREL_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxSDRAM", C::bSDRAM, 1, "ShapeSDRAM"},
    {"CheckBoxADC", C::bADC, 1, "ShapeADC"},
    {"CheckBoxAccelerometer", C::bAccelerometer, 1, "ShapeAccelerometer"},
    {"CheckBoxEEPROM", C::bEEPROM, 1, "ShapeEEPROM"},
    {"CheckBoxEPCS", C::bEPCS, 1, "ShapeEPCS"},
    {"CheckBoxHeader", C::bHeader, 1, "ShapeHeader"},
};
// One list serves both headers: 40-pin cards only.
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_GPIO40, false, VOLTAGE_2V5},
};
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", "ShapeGpio0", C::GpioDaughterId(0), C::GpioPrefixName(0), 0, kit::CardKind::Gpio, MASTER_GPIO_0, IOSTD_3V3_LVTTL},
    {"ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", "ShapeGpio1", C::GpioDaughterId(1), C::GpioPrefixName(1), 0, kit::CardKind::Gpio, MASTER_GPIO_1, IOSTD_3V3_LVTTL},
};
constexpr int kGpioHeaders[] = {JORREL_GPIO_0, JORREL_GPIO_1};
constexpr kit::PrefixRule kPrefixRules[] = {
    {kit::PrefixRuleKind::Gpio, kGpioHeaders},
};
// clang-format on

constexpr kit::GpioPair kPair{
    .header0 = JORREL_GPIO_0, .header1 = JORREL_GPIO_1, .defaultPair = kit::DefaultPairRule::PrefixRule};

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_JORREL,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "JORREL",
    .folder = "JORREL",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::FormRoutine,
    .gpioPair = &kPair,
    .save = kit::SaveAtEnd::InDestructor,
    .successBox = false,
    .prefixRules = kPrefixRules,
    .cardRules = {.gpioStyle = GpioStyle::OwnTable},
};

class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec) {}

    // The GPIO Default card names its pins after the prefix: an empty one becomes "GPIO".
    void ApplyDefaultPrefixes(SettingsRecord& r) const override {
        for (int h : kGpioHeaders)
            if (r.U8(C::GpioDaughterId(h)) == DAUGHTER_GPIO_DEFAULT && r.Text(C::GpioPrefixName(h)).empty())
                r.SetText(C::GpioPrefixName(h), "GPIO");
    }
    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigJorrelPins(&board, r);
    }
};

} // namespace

const kit::BoardLogic& JorrelLogic() {
    static const Logic logic;
    return logic;
}
