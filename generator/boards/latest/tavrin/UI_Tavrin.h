#pragma once
// The form of board 20, Tavrin: fourteen peripherals, a 2x20 GPIO header whose card
// takes two of the 7-segment digits, and an HSMC connector.

#include "boards/kit/BoardForm.h"

class TFormTavrin : public BoardForm {
public:
    explicit TFormTavrin(QWidget* owner);

protected:
    void DrawOutlines(const kit::FormView& view) override;
    void DrawPictures(const kit::FormView& view) override;
};
