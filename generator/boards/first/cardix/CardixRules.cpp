#include "CardixRules.h"

#include "CONFIG_CARDIX.h"
#include "boards/first/OlderShape.h"
#include "boards/kit/PinTableLogic.h"

namespace {

using C = CARDIX_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED", "ShapeLEDG8"},
    {"CheckBoxSeg7", C::bSeg7, 1, "ShapeSeg7"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxPS2", C::bPS2, 1, "ShapePS2"},
    {"CheckBoxSDCARD", C::bSDCARD, 1, "ShapeSDCARD"},
    {"CheckBoxVGA", C::bVGA, 1, "ShapeVGA"},
    {"CheckBoxLCD", C::bLCD, 1, "ShapeLCD"},
    {"CheckBoxSDRAM", C::bSDRAM, 1, "ShapeSDRAM"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxRS232", C::bRS232, 1, "ShapeRS232"},
    {"CheckBoxSRAM", C::bSRAM, 1, "ShapeSRAM"},
    {"CheckBoxSma", C::bSma, 1, "ShapeSma"},
    {"CheckBoxAudio", C::bAudio, 1, "ShapeAudio"},
    {"CheckBoxEthernet", C::bEthernet, 1, "ShapeEthernet"},
    {"CheckBoxIR", C::bIR, 1, "ShapeIR"},
    {"CheckBoxTvDecode", C::bTvDecode, 1, "ShapeTvDecode"},
    {"CheckBoxUSB", C::bUSB, 1, "ShapeUSB"},
};
// clang-format on

constexpr kit::BoardSpec kSpec = first::OlderGpioBoardSpec<C>(MAINBOARD_CARDIX, "Cardix", kFlags);

} // namespace

const kit::BoardLogic& CardixLogic() {
    static const kit::PinTableLogic logic(kSpec, &ConfigCardixPins);
    return logic;
}
