#pragma once
// The form of board 11, Kestin: six peripherals, a DDR2 socket and two Kappel
// connectors (Kappel 1 and the pair Kappel 2/3). It stores its settings in
// default.cfg when it is destroyed.

#include "boards/kit/BoardForm.h"

class TFormKestin : public BoardForm {
public:
    explicit TFormKestin(QWidget* owner);
    ~TFormKestin() override;
    TFormKestin(const TFormKestin&) = delete;
    TFormKestin& operator=(const TFormKestin&) = delete;

protected:
    void DrawOutlines(const kit::FormView& view) override;
};
