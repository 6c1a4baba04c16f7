#pragma once
// The form of board 9, Isvar: eleven peripherals, two HSMC and four FMC ports and the
// DDR3 module. Its settings are saved when the form is destroyed.

#include "boards/kit/BoardForm.h"

class TFormIsvar : public BoardForm {
public:
    explicit TFormIsvar(QWidget* owner);
    ~TFormIsvar() override;
};
