#pragma once
// What the Selvik form decides, without widgets.

#include "SELVIK_CONFIG.h"
#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& SelvikLogic();

// The HSMC voltage choice: its items, and which card list and mark each index takes.
inline constexpr const char* kSelvikVoltages[] = {"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"};
inline constexpr int32_t kSelvikDefaultVoltage = SELVIK_CONFIG::kChoiceFields[0].fallback;
// The card list of a voltage index (the 2.5 V list is the settings object's).
int SelvikHsmcList(int32_t voltage);
