#include "XylmarRules.h"

#include "CONFIG_XYLMAR.h"
#include "boards/latest/HpsWarning.h"
#include "model/DaughterId.h"

namespace {

using C = XYLMAR_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxArduino", C::bArduino, 1, "ShapeArduino_0", "ShapeArduino_1"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxADC", C::bADC, 1, "ShapeADC"},
    {"CheckBoxHdmiTx", C::bHdmiTx, 1, "ShapeHDMI"},
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
constexpr kit::GpioPair kPair{XYLMAR_GPIO_0, XYLMAR_GPIO_1};
constexpr kit::FlagNote kNotes[] = {
    {C::bHPS, latest::kHpsWarning},
};
// clang-format on

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_XYLMAR,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "XYLMAR",
    .folder = "XYLMAR",
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
        ConfigXylmarPins(&board, r);
    }
};

} // namespace

const kit::BoardLogic& XylmarLogic() {
    static const Logic logic;
    return logic;
}
