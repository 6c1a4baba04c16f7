#pragma once
// The form of board 25, Yarrin: nine peripherals and two 2x20 GPIO headers, coupled
// for the card that spans both.

#include "boards/kit/BoardForm.h"

class TFormYarrin : public BoardForm {
public:
    explicit TFormYarrin(QWidget* owner);
};
