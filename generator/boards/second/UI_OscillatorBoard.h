#pragma once
// The form shape of the programmable-oscillator boards (15 and 18): the board form with
// the Si570 and CDCM61004 lists and their outlines. The board's own form calls Start().

#include "ProgrammableOscillators.h"
#include "boards/kit/BoardForm.h"

class OscillatorBoardForm : public BoardForm {
public:
    OscillatorBoardForm(QWidget* owner, const kit::BoardLogic& logic,
                        std::span<const platform::LayoutRow> layout, const OscillatorRules& rules);

protected:
    void FillChoiceLists() override;
    // The oscillator outlines as the lists show before they follow the controls.
    void DrawOutlines(const kit::FormView& view) override;

private:
    const OscillatorRules& m_Rules;
};
