#include "ArvelRules.h"

#include "CONFIG_ARVEL.h"
#include "boards/first/OlderShape.h"
#include "boards/kit/PinTableLogic.h"

namespace {

using C = ARVEL_CONFIG;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
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
};
// clang-format on

constexpr kit::BoardSpec kSpec = [] {
    kit::BoardSpec spec = first::OlderGpioBoardSpec<C>(MAINBOARD_ARVEL, "Arvel", kFlags);
    spec.cardRules.gpioStyle = GpioStyle::PerPosition; // GPIO Default named per position
    return spec;
}();

} // namespace

const kit::BoardLogic& ArvelLogic() {
    static const kit::PinTableLogic logic(kSpec, &ConfigArvelPins);
    return logic;
}
