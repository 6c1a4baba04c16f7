#pragma once
// The form of board 32, Forvik: thirteen peripherals, a 2x20 GPIO header, and an HSMC
// connector whose I/O voltage the user picks, which picks its card list.

#include "boards/kit/BoardForm.h"

class TFormForvik : public BoardForm {
public:
    explicit TFormForvik(QWidget* owner);

protected:
    void FillChoiceLists() override;
};
