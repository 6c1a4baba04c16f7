#pragma once
// The form of board 19, Selvik: ten peripherals and one HSMC connector whose I/O
// voltage the user picks, which picks its card list and the card's standard.

#include "boards/kit/BoardForm.h"

class TFormSelvik : public BoardForm {
public:
    explicit TFormSelvik(QWidget* owner);

protected:
    void FillChoiceLists() override;
};
