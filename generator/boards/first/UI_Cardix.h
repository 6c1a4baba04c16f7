#pragma once
// The form of board 3, Cardix: nineteen peripherals and two 2x20 GPIO headers. It stores its
// settings in default.cfg when it is destroyed.

#include "boards/kit/BoardForm.h"

class TFormCardix : public BoardForm {
public:
    explicit TFormCardix(QWidget* owner);
    ~TFormCardix() override;
    TFormCardix(const TFormCardix&) = delete;
    TFormCardix& operator=(const TFormCardix&) = delete;
};
