#pragma once
// The form of board 17, Quenor: an empty placeholder window.

#include "boards/kit/LayoutForm.h"

class TFormQuenor : public LayoutForm {
public:
    explicit TFormQuenor(QWidget* owner);
};
