#pragma once
// What the Wendro form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& WendroLogic();

enum WendroConnector { WENDRO_GPIO_0 = 0, WENDRO_GPIO_1 = 1 };
