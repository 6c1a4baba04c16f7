#pragma once
// What the Forvik form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& ForvikLogic();

enum ForvikConnector { FORVIK_GPIO = 0, FORVIK_HSMC = 1 };

// The HSMC voltage choice: its items, and which card list and jumper frame each index takes.
inline constexpr const char* kForvikVoltages[] = {"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"};
inline constexpr int32_t kForvikDefaultVoltage = 1;
// The card list of a voltage index; any other value takes the 2.5 V list.
int ForvikHsmcList(int32_t voltage);
