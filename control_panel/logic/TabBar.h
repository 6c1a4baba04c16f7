#pragma once
// The main dialog's six tabs (radio mode); a tab's id is its page's index.

#include "BarButton.h"
#include "PanelConstants.h"

constexpr BarButton TAB_BAR[] = {
    {0, "LED", IDB_TAB, 8, 309},
    {1, "7-SEG", IDB_TAB, 8, 373},
    {2, "Switches", IDB_TAB, 8, 436},
    {3, "Memory", IDB_TAB, 106, 309},
    {4, "Accelerometer", IDB_TAB, 106, 373},
    {5, "VGA", IDB_TAB, 106, 436},
};
