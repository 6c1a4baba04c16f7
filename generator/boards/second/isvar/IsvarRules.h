#pragma once
// What the Isvar form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& IsvarLogic();

enum IsvarConnector {
    ISVAR_HSMC_A = 0,
    ISVAR_HSMC_B = 1,
    ISVAR_FMC_A = 2,
    ISVAR_FMC_B = 3,
    ISVAR_FMC_C = 4,
    ISVAR_FMC_D = 5
};

// The note after a Generate with the DDR3 module.
extern const char* const kIsvarDdr3Note;
