#pragma once
// The Calvex board's pin table (board 29): turns its settings object into the board model.

#include "core/MainBoard.h"
#include "settings/ConfigCalvex.h"

void ConfigCalvexPins(TMainBoard* board, TConfigCalvex* config);
