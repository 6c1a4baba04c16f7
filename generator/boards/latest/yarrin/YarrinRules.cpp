#include "YarrinRules.h"

#include "CONFIG_YARRIN.h"
#include "model/DaughterId.h"

namespace {

using C = YARRIN_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxVGA", C::bVGA, 1, "ShapeVGA"},
    {"CheckBoxSdCard", C::bSdCard, 1, "ShapeSdCard"},
    {"CheckBoxSeg7", C::bSeg7, 1, "ShapeSeg7"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxPS2", C::bPS2, 1, "ShapePS2"},
    {"CheckBoxSDRAM", C::bSDRAM, 1, "ShapeSDRAM"},
};
// One list serves both headers.
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_GPIO80, false, VOLTAGE_2V5},
};
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", "ShapeGpio0", C::nGpioDaughterId, C::szGpioPrefixName, 0, kit::CardKind::Gpio, MASTER_GPIO_0, IOSTD_3V3_LVTTL},
    {"ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", "ShapeGpio1", C::nGpioDaughterId1, C::szGpioPrefixName1, 0, kit::CardKind::Gpio, MASTER_GPIO_1, IOSTD_3V3_LVTTL},
};
constexpr kit::GpioPair kPair{YARRIN_GPIO_0, YARRIN_GPIO_1};
// Both headers carry the batched card; the 80-pin card takes no prefixes.
constexpr kit::BatchPass kBatch[] = {
    {YARRIN_GPIO_0, 1, "YARRIN_GPIO_%s", "GPIO_0_", "GPIO_1_"},
};
// clang-format on

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_YARRIN,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "YARRIN",
    .folder = "YARRIN",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::FormRoutine,
    .batch = kBatch,
    .gpioPair = &kPair,
};

class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec) {}

    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigYarrinPins(&board, r);
    }
};

} // namespace

const kit::BoardLogic& YarrinLogic() {
    static const Logic logic;
    return logic;
}
