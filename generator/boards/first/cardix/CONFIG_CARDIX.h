#pragma once
// The Cardix board's pin table: turns its settings record into the board model.

#include "CARDIX_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

#include <string>

void ConfigCardixPins(TMainBoard* board, const SettingsRecord& Config);

// The name of the I2C connector that the audio codec and the TV decoder share.
std::string CardixI2cName(bool audio, bool tvDecoder);
