#pragma once
// The form of board 22, Vardis: fourteen peripherals, the HPS side among them, and one
// 2x20 GPIO header with a batch over its cards.

#include "boards/kit/BoardForm.h"

class TFormVardis : public BoardForm {
public:
    explicit TFormVardis(QWidget* owner);
};
