#pragma once
// The Fennic board's pin table: turns its settings record into the board model.

#include "FENNIC_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

// The master ids of the four Kappel connectors.
enum FennicKappelMaster : int {
    MASTER_KAPPEL_A = 12,
    MASTER_KAPPEL_B = 13,
    MASTER_KAPPEL_C = 14,
    MASTER_KAPPEL_D = 15
};

void ConfigFennicPins(TMainBoard* board, const SettingsRecord& Config);
