#pragma once
// What the Abrenz form decides, without widgets (board 27).

#include "boards/kit/BoardLogic.h"
#include "boards/latest/Si5340ClockLists.h"

#include <span>
#include <string>

const kit::BoardLogic& AbrenzLogic();

// The device variants, by nBoardType.
inline constexpr const char* kAbrenzVariants[] = {"I2 1150K: 10AX115N3F45I2SG", "E2 1150K: 10AX115N3F45E2SG",
                                                  "E1 1150K: 10AX115N2F45E1SG", "I2  900K: 10AX090N3F45I2SG"};
// The seven clock-output lists: Si5340A for QSFP+ A-D, Si5340B for DDR3, QDRII and on-board PCIe.
std::span<const Si5340ClockList> AbrenzClockLists();
// "Select All": the defaults with every box ticked and every clock output chosen.
void AbrenzSelectAll(SettingsRecord& r);
// The memory and transceiver notes after a Generate ("" when none applies).
std::string AbrenzNotes(const SettingsRecord& r);
