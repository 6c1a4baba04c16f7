#pragma once
// The FPGA vendor's naming of the high-pin-count FMC connector. Its rows J and K are
// kept apart: the Veltrax variant shares rows A to H and has its own J and K.

#include "FmcShape.h"

#include <span>

std::span<const FmcRow> FmcAlteraRowsAToH();
std::span<const FmcRow> FmcAlteraRowsJK();
