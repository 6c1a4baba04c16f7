#include "BelmicRules.h"

#include "CONFIG_BELMIC.h"
#include "boards/first/OlderShape.h"
#include "boards/kit/PinTableLogic.h"

namespace {

using C = BELMIC_CONFIG;

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
    {"CheckBoxSDRAM", C::bSDRAM, 1, "ShapeSDRAM"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxRS232", C::bRS232, 1, "ShapeRS232"},
    {"CheckBoxSRAM", C::bSRAM, 1, "ShapeSRAM"},
    {"CheckBoxSma", C::bSma, 1, "ShapeSma"},
    {"CheckBoxAudio", C::bAudio, 1, "ShapeAudio"},
};
// clang-format on

constexpr kit::BoardSpec kSpec = [] {
    kit::BoardSpec spec = first::OlderGpioBoardSpec<C>(MAINBOARD_BELMIC, "Belmic", kFlags);
    spec.cardRules.gpioStyle = GpioStyle::PerPosition; // GPIO Default named per position
    return spec;
}();

} // namespace

const kit::BoardLogic& BelmicLogic() {
    static const kit::PinTableLogic logic(kSpec, &ConfigBelmicPins);
    return logic;
}
