#pragma once
// What the Arvel form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& ArvelLogic();
