#pragma once
// The stored layout of the Quenor board form (board 17): an empty window.

#include "platform/qt/FormLayout.h"

namespace quenor {

using platform::Kind;
using platform::LayoutRow;

// clang-format off
constexpr LayoutRow kLayout[] = {
    {"FormQuenor", Kind::Form, nullptr, 0, 0, 870, 640, "FormQuenor", {.font = "MS Sans Serif", .fontPx = 16}},
};
// clang-format on

} // namespace quenor
