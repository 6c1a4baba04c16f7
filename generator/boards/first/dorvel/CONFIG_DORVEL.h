#pragma once
// The Dorvel board's pin table: turns its settings record into the board model.

#include "DORVEL_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

#include <string>

void ConfigDorvelPins(TMainBoard* board, const SettingsRecord& Config);

// The name of the I2C connector that the audio codec and the two TV decoders share.
std::string DorvelI2cName(bool audio, bool tvDecoder1, bool tvDecoder2);
