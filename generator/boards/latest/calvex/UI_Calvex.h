#pragma once
// The form of board 29, Calvex: 18 peripherals, two device variants, the CDCM6208
// and LMK04906 clock-output lists, a 2x20 GPIO header and four FMC ports.

#include "boards/kit/BoardForm.h"

class TFormCalvex : public BoardForm {
public:
    explicit TFormCalvex(QWidget* owner);

protected:
    void FillChoiceLists() override;
};
