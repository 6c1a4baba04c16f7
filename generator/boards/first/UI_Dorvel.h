#pragma once
// The form of board 4, Dorvel: twenty-one peripherals and two 2x20 GPIO headers. It stores its
// settings in default.cfg when it is destroyed.

#include "boards/kit/BoardForm.h"

class TFormDorvel : public BoardForm {
public:
    explicit TFormDorvel(QWidget* owner);
    ~TFormDorvel() override;
    TFormDorvel(const TFormDorvel&) = delete;
    TFormDorvel& operator=(const TFormDorvel&) = delete;
};
