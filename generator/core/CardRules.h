#pragma once
// What the daughter-board factory takes from the main board before it fills a card:
// the board gives these values; the defaults are those of most boards.

#include "model/IoStandard.h"

#include <cstdint>

// How GPIO Default names its pins: per position, "GPIO[%d]", or the one board's own
// table (its other GPIO Default variants are named "GPIO[%d]").
enum class GpioStyle : uint8_t { PerPosition = 0, Numbered = 1, OwnTable = 2 };

struct TCardRules {
    uint8_t xcvrStandard = IOSTD_1V5_PCML; // transceiver pins
    uint8_t hsmcStandard = IOSTD_2V5;      // general pins of the HSMC cards
    bool replaceIoStandard = false;        // the caller's standard gives way to ioStandard
    uint8_t ioStandard = 0;
    bool lvdsXcvrRows = false;  // LVDS default card with its transceiver rows
    bool upperCaseHsmc = false; // HSMC default names in upper case
    GpioStyle gpioStyle = GpioStyle::Numbered;
};
