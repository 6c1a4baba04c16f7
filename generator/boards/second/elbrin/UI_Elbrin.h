#pragma once
// The form of board 5, Elbrin: 22 peripherals, a 2x20 GPIO header and an HSMC
// connector, each on a bank whose I/O voltage the user picks. The HSMC voltage picks
// the card list; a GPIO bank away from 3.3 V takes the generic card of its voltage.

#include "boards/kit/BoardForm.h"

class TFormElbrin : public BoardForm {
public:
    explicit TFormElbrin(QWidget* owner);

protected:
    void FillChoiceLists() override;
};
