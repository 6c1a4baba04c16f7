#pragma once
// What the Elbrin form decides, without widgets.

#include "ELBRIN_CONFIG.h"
#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& ElbrinLogic();

enum ElbrinConnector { ELBRIN_GPIO = 0, ELBRIN_HSMC = 1 };

// The voltage choices of the two banks: their items and default indexes.
inline constexpr const char* kElbrinHsmcVoltages[] = {"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"};
inline constexpr const char* kElbrinGpioVoltages[] = {"3.3 V (Default)", "2.5 V", "1.8 V", "1.5 V"};
inline constexpr int32_t kElbrinDefaultGpioVoltage = ELBRIN_CONFIG::kChoiceFields[0].fallback;
inline constexpr int32_t kElbrinDefaultHsmcVoltage = ELBRIN_CONFIG::kChoiceFields[1].fallback;
// The card list an HSMC voltage index offers (the 2.5 V list is the settings object's).
int ElbrinHsmcList(int32_t voltage);
