#pragma once
// The form of board 26, Zephal: eighteen peripherals and the BBB header, whose pins
// follow the chosen header mode; the board revision is kept in the record, hidden.

#include "boards/kit/BoardForm.h"

class TFormZephal : public BoardForm {
public:
    explicit TFormZephal(QWidget* owner);

protected:
    void FillChoiceLists() override;
};
