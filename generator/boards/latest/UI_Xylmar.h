#pragma once
// The form of board 24, Xylmar: eight peripherals, the HPS and an HDMI transmitter among
// them, and two 2x20 GPIO headers that one 80-pin card may occupy together.

#include "boards/kit/BoardForm.h"

class TFormXylmar : public BoardForm {
public:
    explicit TFormXylmar(QWidget* owner);
};
