#pragma once
// The pages' templates are laid out in dialog units of their 8-point font; on screen
// one unit is 6/4 pixel across and 13/8 pixel down, rounded to the nearest pixel.

#include "platform/qt/FormLayout.h"

constexpr int DuX(int du) {
    return (du * 6 + 2) / 4;
}

constexpr int DuY(int du) {
    return (du * 13 + 4) / 8;
}

// A layout row of a page's own control, placed as its template gives it in dialog units.
constexpr platform::LayoutRow DuRow(const char* name, platform::Kind kind, int x, int y, int w, int h,
                                    const char* caption = nullptr, platform::Style style = {}) {
    return {name, kind, nullptr, DuX(x), DuY(y), DuX(w), DuY(h), caption, style};
}

// Drop-down lists: the template's height includes the open list; the closed box is this.
constexpr int DU_CLOSED_LIST = 13;
