#pragma once
// The form of board 13, Mirvo: seventeen peripherals, a 2x20 GPIO header and an HSMC
// connector. Its settings are saved when the form is closed.

#include "boards/kit/BoardForm.h"

class TFormMirvo : public BoardForm {
public:
    explicit TFormMirvo(QWidget* owner);
};
