#pragma once
// The form of board 100, Hestor: HSMC ports A and B and a DDR2 SO-DIMM socket. Every
// start shows the defaults; nothing is stored when the form goes.

#include "boards/kit/BoardForm.h"

class TFormHestor : public BoardForm {
public:
    explicit TFormHestor(QWidget* owner);
    TFormHestor(const TFormHestor&) = delete;
    TFormHestor& operator=(const TFormHestor&) = delete;
};
