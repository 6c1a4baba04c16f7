#pragma once
// The form of board 27, Abrenz: 23 peripherals and interfaces, four device variants,
// the seven Si5340 clock-output lists, and the two DDR3 SO-DIMM sockets whose module
// Generate attaches itself.

#include "boards/latest/UI_Si5340Board.h"

class TFormAbrenz : public Si5340BoardForm {
public:
    explicit TFormAbrenz(QWidget* owner);

protected:
    void FillChoiceLists() override;
};
