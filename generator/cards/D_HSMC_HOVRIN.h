#pragma once
// 8-inch LCD, touch and camera card; its second version carries the same pins.

#include "HsmcLayoutB.h"

namespace hsmcb {

// clang-format off
inline constexpr CardPin kHovrinPins[] = {
    {60, "CAMERA_D[0]", kIn},
    {62, "CAMERA_D[1]", kIn},
    {66, "CAMERA_D[2]", kIn},
    {68, "CAMERA_D[3]", kIn},
    {72, "CAMERA_D[4]", kIn},
    {74, "CAMERA_D[5]", kIn},
    {78, "CAMERA_D[6]", kIn},
    {80, "CAMERA_D[7]", kIn},
    {84, "CAMERA_D[8]", kIn},
    {86, "CAMERA_D[9]", kIn},
    {90, "CAMERA_D[10]", kIn},
    {92, "CAMERA_D[11]", kIn},
    {67, "CAMERA_STROBE", kIn},
    {71, "CAMERA_LVAL", kIn},
    {73, "CAMERA_FVAL", kIn},
    {79, "CAMERA_RESET_N", kOut},
    {85, "CAMERA_SCLK", kOut},
    {89, "CAMERA_TRIGGER", kOut},
    {91, "CAMERA_SDATA", kIo},
    {95, "CAMERA_XCLKIN", kOut},
    {96, "CAMERA_PIXCLK", kIn},
    {107, "LCD_DIM", kOut},
    {108, "TOUCH_DCLK", kOut},
    {110, "TOUCH_CS_N", kOut},
    {114, "TOUCH_DIN", kOut},
    {145, "LCD_B[0]", kOut},
    {149, "LCD_B[1]", kOut},
    {151, "LCD_B[2]", kOut},
    {125, "LCD_B[3]", kOut},
    {121, "LCD_B[4]", kOut},
    {115, "LCD_B[5]", kOut},
    {116, "TOUCH_BUSY", kIn},
    {120, "TOUCH_DOUT", kIn},
    {122, "TOUCH_PENIRQ_N", kIn},
    {127, "LCD_R[0]", kOut},
    {131, "LCD_R[1]", kOut},
    {133, "LCD_R[2]", kOut},
    {137, "LCD_R[3]", kOut},
    {139, "LCD_R[4]", kOut},
    {143, "LCD_R[5]", kOut},
    {132, "LCD_DEN", kOut},
    {138, "LCD_G[0]", kOut},
    {140, "LCD_G[1]", kOut},
    {144, "LCD_G[2]", kOut},
    {146, "LCD_G[3]", kOut},
    {150, "LCD_G[4]", kOut},
    {152, "LCD_G[5]", kOut},
    {157, "LCD_NCLK", kOut},
};
// clang-format on

} // namespace hsmcb
