#pragma once
// What the Mirvo form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& MirvoLogic();

enum MirvoConnector { MIRVO_GPIO = 0, MIRVO_HSMC = 1 };
