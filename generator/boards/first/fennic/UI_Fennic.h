#pragma once
// The form of board 6, Fennic: five board variants, ten peripherals, four Kappel
// connectors, two GPIO headers in place of Kappel-A and a DDR2 socket in place of
// Kappel-B. It stores its settings in default.cfg when it is destroyed.

#include "boards/kit/BoardForm.h"

class TFormFennic : public BoardForm {
public:
    explicit TFormFennic(QWidget* owner);
    ~TFormFennic() override;
    TFormFennic(const TFormFennic&) = delete;
    TFormFennic& operator=(const TFormFennic&) = delete;

protected:
    void FillChoiceLists() override;
    void DrawChoices(const kit::FormView& view) override;
    void DrawPictures(const kit::FormView& view) override;
    void DrawOutlines(const kit::FormView& view) override;
    void BoxDrawn(int flag) override;

private:
    // The GPIO rows shown in place of the Kappel-A choice, or not, under the row's caption.
    void ShowGpioRows(bool shown, const char* caption);
};
