#pragma once
// The Calvex board's pin table (board 29): turns its settings object into the board model.

#include "ConfigCalvex.h"
#include "core/MainBoard.h"

void ConfigCalvexPins(TMainBoard* board, TConfigCalvex* config);
