#pragma once
// The form of board 7, Galdor: two FPGA nodes, each with its own project, peripherals,
// four HSMC ports and DDR2 socket. The form shows one node at a time; Generate builds
// the project of the node shown.

#include "boards/kit/BoardForm.h"

class TFormGaldor : public BoardForm {
public:
    explicit TFormGaldor(QWidget* owner);

protected:
    void FillChoiceLists() override;
};
