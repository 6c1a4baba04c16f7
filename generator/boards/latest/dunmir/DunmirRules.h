#pragma once
// What the Dunmir form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& DunmirLogic();
