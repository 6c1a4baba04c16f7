#pragma once
// Numbers of the main dialog: pages, controls, pictures, places and colours.

#include "PanelRect.h"

#include <cstdint>

constexpr int IDT_REFRESH = 1025;
constexpr int PAGE_CONNECTING = 8;
constexpr int PAGE_COUNT = 6;
// The device pages by index (also their tab ids).
constexpr int PAGE_LED = 0;
constexpr int PAGE_SEG7 = 1;
constexpr int PAGE_SWITCH = 2;
constexpr int PAGE_MEMORY = 3;
constexpr int PAGE_GSENSOR = 4;
constexpr int PAGE_VGA = 5;
// EnableTab: all six tabs; EnableButtons: the current page's tab.
constexpr int TAB_ALL = 14;
constexpr int TAB_CURRENT = 15;

// The top bar's buttons.
constexpr int IDC_ABOUT = 1045;
constexpr int IDC_MINIMIZE = 1046;
constexpr int IDC_CLOSE = 1047;
constexpr int IDC_CONNECT = 1048;

// Pictures.
constexpr int IDI_MAIN = 128;
constexpr int IDR_CONNECT_AVI = 128;
constexpr int IDB_BACKGROUND = 169;
constexpr int IDB_ABOUT = 171;
constexpr int IDB_CLOSE = 172;
constexpr int IDB_MINIMIZE = 173;
constexpr int IDB_CONNECT = 174;
constexpr int IDB_TAB = 175;
constexpr int IDB_ABOUT_CLOSE = 178;
constexpr int IDB_ABOUT_BACKGROUND = 196;
constexpr int IDB_CONNECTED = 199;

constexpr PanelRect STATUS_RECT{32, 519, 124, 541};
constexpr PanelRect PAGE_RECT = RectAt(204, 288, 387, 296);
constexpr PanelRect ANIMATION_RECT = RectAt(202, 286, 387, 296);

// COLORREF values, 0x00BBGGRR.
constexpr uint32_t STATUS_YELLOW = 0x00FFFF;
constexpr uint32_t STATUS_GREEN = 0x00FF00;
constexpr uint32_t STATUS_RED = 0x0000FF;
constexpr uint32_t MARKER_COLOR = 0x00FFFF;
constexpr uint32_t PROGRESS_GREEN = 0x00FF00;
constexpr uint32_t PROGRESS_BLACK = 0x000000;
constexpr uint32_t PROGRESS_WHITE = 0xFFFFFF;

constexpr uint32_t PROGRESS_DURATION_MS = 10000;
