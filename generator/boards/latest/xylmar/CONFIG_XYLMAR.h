#pragma once
// The Xylmar board's pin table: turns its settings record into the board model. Its
// sister board, Wendro, builds its on-board groups from the same rows.

#include "XYLMAR_CONFIG.h"
#include "boards/kit/PinTable.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

#include <span>

void ConfigXylmarPins(TMainBoard* board, const SettingsRecord& Config);

// Which on-board groups a record of the pair asks for, and the one group whose rows
// differ between the two boards.
struct XylmarGroups {
    bool adc, arduino, osc, hdmiTx, hps, button, led, sw;
    std::span<const kit::PinRow> switches;
};
// The on-board groups in the boards' order: ADC, ARDUINO, CLOCK, HDMI, HPS, KEY, LED, SW.
void AddXylmarGroups(kit::PinTable& t, const XylmarGroups& g);
