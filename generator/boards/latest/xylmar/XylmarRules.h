#pragma once
// What the Xylmar form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& XylmarLogic();

enum XylmarConnector { XYLMAR_GPIO_0 = 0, XYLMAR_GPIO_1 = 1 };
