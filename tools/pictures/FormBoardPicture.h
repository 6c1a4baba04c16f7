#pragma once
// A board picture drawn from its form's layout: the board, its FPGA and, under every
// outline the layout places over the picture, the part the outline marks.

#include "Picture.h"
#include "platform/qt/FormLayout.h"

#include <span>

namespace pictures {

// Registers the picture of the layout's row "ImageBoard" (its resource name and size).
// Some forms name the board picture otherwise (imageRow).
bool RegisterFormBoardPicture(std::span<const platform::LayoutRow> layout, const char* title,
                              const char* imageRow = "ImageBoard");

} // namespace pictures

#define PW_FORM_BOARD_PICTURE(layout, title)                                                                 \
    [[maybe_unused]] static const bool PW_PICTURE_CAT(pw_board_, __COUNTER__) =                              \
        ::pictures::RegisterFormBoardPicture(layout, title)
