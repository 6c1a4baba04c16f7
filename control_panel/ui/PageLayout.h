#pragma once
// The pages' own controls, placed as their templates give them in dialog units.

#include "control_panel/logic/DialogUnits.h"
#include "platform/qt/FormLayout.h"

constexpr platform::LayoutRow DuRow(const char* name, platform::Kind kind, int x, int y, int w, int h,
                                    const char* caption = nullptr, platform::Style style = {}) {
    return {name, kind, nullptr, DuX(x), DuY(y), DuX(w), DuY(h), caption, style};
}

// Drop-down lists: the template's height includes the open list; the closed box is this.
constexpr int DU_CLOSED_LIST = 13;
