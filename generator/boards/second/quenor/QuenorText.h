#pragma once
// The Quenor board has no pin table, so no project: its texts are never asked for.

#include "core/BoardText.h"

#include <memory>

std::unique_ptr<TBoardText> MakeQuenorText();
