#pragma once
// The form of board 21, Ulmaro: thirteen peripherals, the HPS among them, and two
// 2x20 GPIO headers that one 80-pin card may occupy together.

#include "boards/kit/BoardForm.h"

class TFormUlmaro : public BoardForm {
public:
    explicit TFormUlmaro(QWidget* owner);
};
