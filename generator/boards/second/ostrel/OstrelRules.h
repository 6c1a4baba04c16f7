#pragma once
// What the Ostrel form decides, without widgets (board 15).

#include "boards/kit/BoardLogic.h"
#include "boards/second/ProgrammableOscillators.h"

#include <string>

const kit::BoardLogic& OstrelLogic();
// The memory and transceiver warnings after a Generate ("" when none applies).
std::string OstrelNotes(const SettingsRecord& r);
