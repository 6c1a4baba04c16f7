#pragma once
// What the Hestor form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& HestorLogic();
