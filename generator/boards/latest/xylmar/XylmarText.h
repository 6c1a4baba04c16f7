#pragma once
// What the writers add to a project of the Xylmar board: the JTAG clock lines.

#include "core/BoardText.h"

#include <memory>

std::unique_ptr<TBoardText> MakeXylmarText();
