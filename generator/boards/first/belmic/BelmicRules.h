#pragma once
// What the Belmic form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& BelmicLogic();
