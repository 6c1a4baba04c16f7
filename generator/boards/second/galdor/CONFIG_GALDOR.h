#pragma once
// The Galdor board's pin table: turns the settings block of one FPGA node into the
// board model.

#include "GALDOR_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

#include <string>

void ConfigGaldorPins(TMainBoard* board, const SettingsRecord& Config, int node);

// The name of the I2C bus the LCD, the temperature sensor and the EEPROM share ("" when
// none of them is ticked).
std::string GaldorI2cBusName(bool lcd, bool temperature, bool eeprom);
