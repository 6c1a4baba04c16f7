#pragma once
// The form of board 31, Embrel: 21 peripherals and interfaces and the five Si5340
// clock-output lists; no daughter boards.

#include "boards/latest/UI_Si5340Board.h"

class TFormEmbrel : public Si5340BoardForm {
public:
    explicit TFormEmbrel(QWidget* owner);
};
