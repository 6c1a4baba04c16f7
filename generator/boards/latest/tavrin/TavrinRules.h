#pragma once
// What the Tavrin form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& TavrinLogic();
// Only with no card on the GPIO header are all four digits free of it.
bool IsSeg7FourDigits(uint8_t gpioCard);
// "7-Segment x 4" or "7-Segment x 2".
std::string Seg7Caption(uint8_t gpioCard);
// The picture of the digit block.
const char* Seg7Picture(uint8_t gpioCard);

enum TavrinConnector { TAVRIN_GPIO = 0, TAVRIN_HSMC = 1 };
