#pragma once
// The DVI transmitter and receiver card's rows, shared with the Kappel loopback card.

#include "cards/HsmcCardPins.h"

#include <span>

// The I2C pair takes the general standard, every other pin is 2.5 V.
std::span<const HsmcPin> DviCardRows();
