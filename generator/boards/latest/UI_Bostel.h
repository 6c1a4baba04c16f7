#pragma once
// The form of board 28, Bostel: twenty peripherals and the Moxen 2x6 header.

#include "boards/kit/BoardForm.h"

class TFormBostel : public BoardForm {
public:
    explicit TFormBostel(QWidget* owner);
};
