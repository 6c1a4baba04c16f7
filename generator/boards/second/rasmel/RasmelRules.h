#pragma once
// What the Rasmel form decides, without widgets (board 18).

#include "boards/kit/BoardLogic.h"
#include "boards/second/HsmcDefaultFamily.h"
#include "boards/second/ProgrammableOscillators.h"

#include <cstdint>
#include <string>

const kit::BoardLogic& RasmelLogic();
// The transceiver warning after a Generate ("" when none applies).
std::string RasmelNotes(const SettingsRecord& r);
