#pragma once
// The form shape of the programmable-oscillator boards (15 and 18): the board form with
// the Si570 and CDCM61004 lists. The board's own form calls Start().

#include "boards/kit/BoardForm.h"

class OscillatorBoardForm : public BoardForm {
public:
    using BoardForm::BoardForm;

protected:
    void FillChoiceLists() override;
};
