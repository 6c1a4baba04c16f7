#pragma once
// What the Yarrin form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& YarrinLogic();

enum YarrinConnector { YARRIN_GPIO_0 = 0, YARRIN_GPIO_1 = 1 };
