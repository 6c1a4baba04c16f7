#pragma once
// The form of board 50, Glavin: five peripherals and one HSMC connector. It stores its
// settings in default.cfg when it is destroyed.

#include "boards/kit/BoardForm.h"

class TFormGlavin : public BoardForm {
public:
    explicit TFormGlavin(QWidget* owner);
    ~TFormGlavin() override;
    TFormGlavin(const TFormGlavin&) = delete;
    TFormGlavin& operator=(const TFormGlavin&) = delete;
};
