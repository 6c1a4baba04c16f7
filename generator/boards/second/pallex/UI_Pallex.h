#pragma once
// The form of board 16, Pallex: on-board peripherals only (no card connectors), the
// two DDR3 SO-DIMM sockets whose module Generate attaches itself, and three
// programmable oscillators whose lists follow the interfaces they clock.

#include "boards/kit/BoardForm.h"

class TFormPallex : public BoardForm {
public:
    explicit TFormPallex(QWidget* owner);

protected:
    void FillChoiceLists() override;
};
