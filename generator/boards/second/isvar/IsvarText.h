#pragma once
// What the writers add to a project of the Isvar board: its global .qsf lines.

#include "core/BoardText.h"

#include <memory>

std::unique_ptr<TBoardText> MakeIsvarText();
