#pragma once
// The form of board 6, Fennic: five board variants, ten peripherals, four Kappel
// connectors, two GPIO headers in place of Kappel-A and a DDR2 socket in place of
// Kappel-B.

#include "boards/kit/BoardForm.h"

class TFormFennic : public BoardForm {
public:
    explicit TFormFennic(QWidget* owner);

protected:
    void FillChoiceLists() override;
};
