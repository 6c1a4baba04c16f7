#include "DunmirRules.h"

#include "CONFIG_DUNMIR.h"
#include "ConfigDunmir.h"
#include "boards/kit/SettingsBoardLogic.h"
#include "model/DaughterId.h"

namespace {

using C = TConfigDunmir::BOARD_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxVGA", C::bVGA, 1, "ShapeVGA"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxSeg7", C::bSeg7, 1, "ShapeSeg7"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxSDRAM", C::bSDRAM, 1, "ShapeSDRAM"},
    {"CheckBoxAccelerometer", C::bAccelerometer, 1, "ShapeAccelerometer"},
    {"CheckBoxArduino", C::bArduino, 1, "ShapeArduino_0", "ShapeArduino_1"},
};
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_GPIO40, false, VOLTAGE_2V5},
};
// The header's pins fix "3.3-V LVTTL"; the card brings names and directions.
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxGpio", "EditPrefixGpio", "ImageGpio", "ShapeGpio", C::nGpioDaughterId, C::szGpioPrefixName, 0, kit::CardKind::Gpio, MASTER_GPIO_0, IOSTD_2V5},
};
constexpr kit::BatchPass kBatch[] = {
    {0, 1, "DUNMIR_GPIO_%s", "GPIO"},
};
// clang-format on

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_DUNMIR,
    .recordSize = C::kSize,
    .head = kit::kSizeFirstHead,
    .defaultName = "DUNMIR",
    .folder = "DUNMIR",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::BoardModel,
    .batch = kBatch,
    .batchBeep = false,
};

class Logic final : public kit::SettingsBoardLogic<TConfigDunmir, ConfigDunmirPins> {
public:
    Logic() : SettingsBoardLogic(kSpec) {}
};

} // namespace

const kit::BoardLogic& DunmirLogic() {
    static const Logic logic;
    return logic;
}
