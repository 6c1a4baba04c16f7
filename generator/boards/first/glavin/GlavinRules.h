#pragma once
// What the Glavin form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& GlavinLogic();
