#pragma once
// The form of board 23, Wendro: seven peripherals, the HPS and an Arduino header among
// them, and two 2x20 GPIO headers that take 2x20 cards only.

#include "boards/kit/BoardForm.h"

class TFormWendro : public BoardForm {
public:
    explicit TFormWendro(QWidget* owner);
};
