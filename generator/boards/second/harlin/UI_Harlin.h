#pragma once
// The form of board 8, Harlin: two device variants, a programmable PLL with three
// outputs, two DDR2 sockets, two GPIO headers that an 80-pin card spans and two HSMC
// connectors. Its settings are saved when the form is destroyed.

#include "boards/kit/BoardForm.h"

class TFormHarlin : public BoardForm {
public:
    explicit TFormHarlin(QWidget* owner);

protected:
    void FillChoiceLists() override;
};
