#include "DorvelRules.h"

#include "CONFIG_DORVEL.h"
#include "boards/first/OlderShape.h"
#include "boards/kit/PinTableLogic.h"

namespace {

using C = DORVEL_CONFIG;

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
    {"CheckBoxSDRAM1", C::bSDRAM1, 1, "ShapeSDRAM1"},
    {"CheckBoxSDRAM2", C::bSDRAM2, 1, "ShapeSDRAM2"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxRS232", C::bRS232, 1, "ShapeRS232"},
    {"CheckBoxSSRAM", C::bSSRAM, 1, "ShapeSSRAM"},
    {"CheckBoxSma", C::bSma, 1, "ShapeSma"},
    {"CheckBoxAudio", C::bAudio, 1, "ShapeAudio"},
    {"CheckBoxEthernet", C::bEthernet, 1, "ShapeEthernet"},
    {"CheckBoxIR", C::bIR, 1, "ShapeIR"},
    {"CheckBoxTvDecode1", C::bTvDecode1, 1, "ShapeTvDecode1"},
    {"CheckBoxTvDecode2", C::bTvDecode2, 1, "ShapeTvDecode2"},
    {"CheckBoxUSB", C::bUSB, 1, "ShapeUSB"},
};
// clang-format on

constexpr kit::BoardSpec kSpec = [] {
    kit::BoardSpec spec = first::OlderGpioBoardSpec<C>(MAINBOARD_DORVEL, "Dorvel", kFlags);
    spec.cardRules.gpioStyle = GpioStyle::PerPosition; // GPIO Default named per position
    return spec;
}();

} // namespace

const kit::BoardLogic& DorvelLogic() {
    static const kit::PinTableLogic logic(kSpec, &ConfigDorvelPins);
    return logic;
}
