#pragma once
// What the Norrik form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& NorrikLogic();

enum NorrikConnector { NORRIK_GPIO = 0, NORRIK_HSMC = 1 };
