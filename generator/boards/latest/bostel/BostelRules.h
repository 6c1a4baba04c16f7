#pragma once
// What the Bostel form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& BostelLogic();
