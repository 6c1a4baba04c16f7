#pragma once
// The LCD, light-sensor and touch pins that both Sarvon cards carry alike.

#include "HsmcLayoutB.h"

namespace hsmcb {

// clang-format off
inline constexpr CardPin kSarvonLcdPins[] = {
    {83, "LCD_UPDN", kOut},
    {84, "LCD_DITH", kOut},
    {85, "LCD_RSTB", kOut},
    {86, "LCD_MODE", kOut},
    {89, "LCD_DE", kOut},
    {91, "LCD_SHLR", kOut},
    {109, "LCD_B[0]", kOut},
    {107, "LCD_B[1]", kOut},
    {103, "LCD_B[2]", kOut},
    {101, "LCD_B[3]", kOut},
    {110, "LCD_B[4]", kOut},
    {108, "LCD_B[5]", kOut},
    {104, "LCD_B[6]", kOut},
    {102, "LCD_B[7]", kOut},
    {113, "LSENSOR_ADDR_SEL", kOut},
    {134, "LCD_G[0]", kOut},
    {132, "LCD_G[1]", kOut},
    {128, "LCD_G[2]", kOut},
    {126, "LCD_G[3]", kOut},
    {122, "LCD_G[4]", kOut},
    {120, "LCD_G[5]", kOut},
    {116, "LCD_G[6]", kOut},
    {114, "LCD_G[7]", kOut},
    {119, "LSENSOR_SDA", kIo},
    {121, "LSENSOR_INT", kIn},
    {145, "LCD_R[0]", kOut},
    {143, "LCD_R[1]", kOut},
    {139, "LCD_R[2]", kOut},
    {137, "LCD_R[3]", kOut},
    {133, "LCD_R[4]", kOut},
    {131, "LCD_R[5]", kOut},
    {127, "LCD_R[6]", kOut},
    {125, "LCD_R[7]", kOut},
    {138, "LCD_DIM", kOut},
    {146, "TOUCH_INT_n", kIn},
    {149, "LCD_HSD", kOut},
    {150, "TOUCH_I2C_SDA", kIo},
    {151, "LCD_VSD", kOut},
    {157, "LCD_DCLK", kOut},
};
// clang-format on

} // namespace hsmcb
