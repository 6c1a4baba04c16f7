#pragma once
// What the Jorrel form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& JorrelLogic();

enum JorrelConnector { JORREL_GPIO_0 = 0, JORREL_GPIO_1 = 1 };
