#include "UlmaroRules.h"

#include "CONFIG_ULMARO.h"
#include "boards/latest/HpsWarning.h"
#include "model/DaughterId.h"

namespace {

using C = ULMARO_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxVGA", C::bVGA, 1, "ShapeVGA"},
    {"CheckBoxSDRAM", C::bSDRAM, 1, "ShapeSDRAM"},
    {"CheckBoxAudio", C::bAudio, 1, "ShapeAudio"},
    {"CheckBoxVideoIn", C::bVideoIn, 1, "ShapeVideoIn"},
    {"CheckBoxADC", C::bADC, 1, "ShapeADC"},
    {"CheckBoxSeg7", C::bSeg7, 1, "ShapeSeg7"},
    {"CheckBoxIR", C::bIR, 1, "ShapeIR"},
    {"CheckBoxPS2", C::bPS2, 1, "ShapePS2"},
    {"CheckBoxHPS", C::bHPS, 0, "ShapeHPS"},
};
// One list serves both headers; it offers the 80-pin card that spans them.
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_GPIO80, false, VOLTAGE_2V5},
};
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", "ShapeGpio0", C::nGpioDaughterId[GPIO_0], C::szGpioPrefixName[GPIO_0], 0, kit::CardKind::Gpio, MASTER_GPIO_0, IOSTD_3V3_LVTTL},
    {"ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", "ShapeGpio1", C::nGpioDaughterId[GPIO_1], C::szGpioPrefixName[GPIO_1], 0, kit::CardKind::Gpio, MASTER_GPIO_1, IOSTD_3V3_LVTTL},
};
constexpr kit::GpioPair kPair{ULMARO_GPIO_0, ULMARO_GPIO_1};
constexpr kit::FlagNote kNotes[] = {
    {C::bHPS, latest::kHpsWarning},
};
// clang-format on

// The board's own text names its folder "Ulmaro".
constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_ULMARO,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "Ulmaro",
    .folder = "Ulmaro",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::FormRoutine,
    .gpioPair = &kPair,
    .notes = kNotes,
};

class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec) {}

    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigUlmaroPins(&board, r);
    }
};

} // namespace

const kit::BoardLogic& UlmaroLogic() {
    static const Logic logic;
    return logic;
}
