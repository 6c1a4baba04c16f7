#pragma once
// The form of board 1, Arvel: twelve peripherals and two 2x20 GPIO headers. It stores its
// settings in default.cfg when it is destroyed.

#include "boards/kit/BoardForm.h"

class TFormArvel : public BoardForm {
public:
    explicit TFormArvel(QWidget* owner);
    ~TFormArvel() override;
    TFormArvel(const TFormArvel&) = delete;
    TFormArvel& operator=(const TFormArvel&) = delete;
};
