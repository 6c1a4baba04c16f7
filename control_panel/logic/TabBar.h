#pragma once
// The main dialog's six tabs (radio mode); a tab's id is its page's index.

#include "BarButton.h"
#include "PanelConstants.h"

constexpr BarButton TAB_BAR[] = {
    {PAGE_LED, "LED", IDB_TAB, 8, 309},
    {PAGE_SEG7, "7-SEG", IDB_TAB, 8, 373},
    {PAGE_SWITCH, "Switches", IDB_TAB, 8, 436},
    {PAGE_MEMORY, "Memory", IDB_TAB, 106, 309},
    {PAGE_GSENSOR, "Accelerometer", IDB_TAB, 106, 373},
    {PAGE_VGA, "VGA", IDB_TAB, 106, 436},
};
