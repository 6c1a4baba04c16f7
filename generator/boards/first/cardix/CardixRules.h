#pragma once
// What the Cardix form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& CardixLogic();
