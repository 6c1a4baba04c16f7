#pragma once
// The form of board 101, Irvane: its layout with a board picture, peripherals, a
// board-type choice and the card groups, but no handler, no settings and no pin table.

#include "boards/kit/LayoutForm.h"

class TFormIrvane : public LayoutForm {
public:
    explicit TFormIrvane(QWidget* owner);
};
