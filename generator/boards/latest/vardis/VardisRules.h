#pragma once
// What the Vardis form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& VardisLogic();

enum VardisConnector { VARDIS_GPIO = 0 };
