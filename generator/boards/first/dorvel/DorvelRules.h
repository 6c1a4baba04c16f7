#pragma once
// What the Dorvel form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& DorvelLogic();
