#pragma once
// The form of board 10, Jorrel: ten peripherals and two 2x20 GPIO headers whose
// prefixes may not clash. Its settings are saved when the form is destroyed.

#include "boards/kit/BoardForm.h"

class TFormJorrel : public BoardForm {
public:
    explicit TFormJorrel(QWidget* owner);
    ~TFormJorrel() override;
};
