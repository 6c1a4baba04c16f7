#pragma once
// The form of board 18, Rasmel: seventeen peripherals, the HSMC port A with eight
// transceiver lanes, and the Si570 and CDCM61004 of the SFP+, SATA and HSMC clocks.

#include "boards/second/UI_OscillatorBoard.h"

class TFormRasmel : public OscillatorBoardForm {
public:
    explicit TFormRasmel(QWidget* owner);
};
