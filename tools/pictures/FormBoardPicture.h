#pragma once
// A board picture drawn from its form's layout: the board, its FPGA and, under every
// outline the layout places over the picture, the part the outline marks.

#include "Picture.h"
#include "platform/qt/FormLayout.h"

#include <span>

namespace pictures {

// Registers the picture of the layout's row named imageName (its resource name and
// size); false when the layout has no such picture.
bool RegisterFormBoardPicture(std::span<const platform::LayoutRow> layout, const char* title,
                              const char* imageName);

} // namespace pictures
