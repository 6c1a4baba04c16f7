#pragma once
// The form of the Dunmir board: peripherals, the card on the 2x20 GPIO header,
// project name and prefix, Save/Load/Generate/Exit.

#include "boards/kit/BoardForm.h"

class TFormDunmir : public BoardForm {
public:
    explicit TFormDunmir(QWidget* owner);
};
