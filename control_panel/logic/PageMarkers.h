#pragma once
// The frames that mark on the board picture the part the shown page drives
// (left, top, width, height); the Switches page marks the switches and the keys.

#include "PanelConstants.h"

struct PageMarker {
    int page;
    int x;
    int y;
    int w;
    int h;
};

// clang-format off
constexpr PageMarker PAGE_MARKERS[] = {
    {PAGE_LED, 346, 224, 138, 14},
    {PAGE_SEG7, 209, 230, 138, 37},
    {PAGE_SWITCH, 346, 239, 138, 27},
    {PAGE_SWITCH, 461, 176, 22, 45},
    {PAGE_MEMORY, 231, 143, 68, 33},
    {PAGE_GSENSOR, 328, 90, 23, 15},
    {PAGE_VGA, 437, 62, 69, 87},
};
// clang-format on
