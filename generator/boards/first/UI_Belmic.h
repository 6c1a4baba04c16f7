#pragma once
// The form of board 2, Belmic: fourteen peripherals and two 2x20 GPIO headers. It stores its
// settings in default.cfg when it is destroyed.

#include "boards/kit/BoardForm.h"

class TFormBelmic : public BoardForm {
public:
    explicit TFormBelmic(QWidget* owner);
    ~TFormBelmic() override;
    TFormBelmic(const TFormBelmic&) = delete;
    TFormBelmic& operator=(const TFormBelmic&) = delete;
};
