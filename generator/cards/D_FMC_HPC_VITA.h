#pragma once
// The VITA 57.1 signal names of the high-pin-count FMC connector; the low-pin-count
// card uses the same table.

#include "FmcShape.h"

#include <span>

std::span<const FmcRow> FmcVitaRows();
