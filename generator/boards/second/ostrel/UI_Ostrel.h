#pragma once
// The form of board 15, Ostrel: eighteen peripherals and the Si570 and CDCM61004 that
// clock the SFP+ cages. It has no expansion connector.

#include "boards/second/UI_OscillatorBoard.h"

class TFormOstrel : public OscillatorBoardForm {
public:
    explicit TFormOstrel(QWidget* owner);
};
