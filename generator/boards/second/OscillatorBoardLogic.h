#pragma once
// The decisions the programmable-oscillator boards' forms (15 and 18) share: the Si570
// and CDCM61004 lists are enabled while an interface they clock is in use, show
// "Disable" while they are not, and show again the choice they kept when they are
// enabled again.

#include "ProgrammableOscillators.h"
#include "boards/kit/BoardLogic.h"

class OscillatorBoardLogic : public kit::BoardLogic {
public:
    OscillatorBoardLogic(const kit::BoardSpec& spec, const OscillatorRules& rules)
        : BoardLogic(spec), rules_(rules) {}

    bool ChoiceEnabled(const kit::FormView& view, std::size_t offset) const override;

protected:
    void SetUpView(kit::FormView& view) const override;
    void ShowChoices(const SettingsRecord& r, kit::FormView& view) const override;
    void FollowOutlines(kit::FormView& view) const override { Follow(view); }
    // A card's lanes may need the CDCM61004.
    void CardChanged(kit::FormView& view, int /*connector*/) const override { Follow(view); }
    void ItemChosen(kit::FormView& view, SettingsRecord& stored, std::size_t offset,
                    kit::FormPainter* painter) const override;

private:
    // The lists follow the boxes and cards: the kept choice, or "Disable".
    void Follow(kit::FormView& view) const;

    const OscillatorRules& rules_;
};
