#pragma once
// What the Calvex form decides, without widgets (board 29).

#include "boards/kit/BoardLogic.h"

#include <cstddef>
#include <span>
#include <string>

const kit::BoardLogic& CalvexLogic();

// The device variants, by nBoardType.
inline constexpr const char* kCalvexVariants[] = {"CALVEX_A7", "CALVEX_AB"};

// A clock-chip output list: its combo box, its setting in the record (one byte) and its items.
struct CalvexClockList {
    const char* combo;
    std::size_t setting;
    std::span<const char* const> items;
};
// The six CDCM6208 outputs and the four LMK04906 outputs, in output order.
std::span<const CalvexClockList> CalvexCdcmLists();
std::span<const CalvexClockList> CalvexLmkLists();

// The connectors of the form, in the order Generate attaches them.
enum CalvexConnector { CALVEX_FMC_A = 0, CALVEX_FMC_B, CALVEX_FMC_C, CALVEX_FMC_D, CALVEX_GPIO };

// The DDR3 and transceiver notes after a Generate ("" when none applies).
std::string CalvexNotes(const SettingsRecord& r);
