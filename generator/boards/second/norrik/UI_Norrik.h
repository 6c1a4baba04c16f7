#pragma once
// The form of board 14, Norrik: twenty peripherals (PCIe with the hard or the soft
// IP among them), a 2x20 GPIO header and an HSMC connector. Its settings are saved
// when the form is closed.

#include "boards/kit/BoardForm.h"

class TFormNorrik : public BoardForm {
public:
    explicit TFormNorrik(QWidget* owner);
};
