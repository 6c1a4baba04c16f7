#pragma once
// The Embrel board's pin table (board 31): turns its settings object into the board model.

#include "ConfigEmbrel.h"
#include "core/MainBoard.h"

void ConfigEmbrelPins(TMainBoard* board, TConfigEmbrel* config);
