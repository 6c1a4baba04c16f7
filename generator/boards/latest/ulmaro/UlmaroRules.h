#pragma once
// What the Ulmaro form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& UlmaroLogic();

enum UlmaroConnector { ULMARO_GPIO_0 = 0, ULMARO_GPIO_1 = 1 };
