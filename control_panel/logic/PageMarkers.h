#pragma once
// The frames that mark on the board picture the part the shown page drives
// (left, top, width, height); the Switches page marks the switches and the keys.

struct PageMarker {
    int page;
    int x;
    int y;
    int w;
    int h;
};

constexpr PageMarker PAGE_MARKERS[] = {
    {0, 346, 224, 138, 14}, {1, 209, 230, 138, 37}, {2, 346, 239, 138, 27}, {2, 461, 176, 22, 45},
    {3, 231, 143, 68, 33},  {4, 328, 90, 23, 15},   {5, 437, 62, 69, 87},
};
