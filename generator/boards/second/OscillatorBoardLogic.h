#pragma once
// The decisions the programmable-oscillator boards' forms (15 and 18) share: the Si570
// and CDCM61004 lists are enabled while an interface they clock is in use, show
// "Disable" while they are not, and show again the choice they kept when they are
// enabled again. Each chip's outline shows while its list shows a frequency.

#include "ProgrammableOscillators.h"
#include "boards/kit/BoardLogic.h"

#include <array>

class OscillatorBoardLogic : public kit::BoardLogic {
public:
    OscillatorBoardLogic(const kit::BoardSpec& spec, const OscillatorRules& rules);

protected:
    std::span<const kit::GatedList> GatedLists() const override { return gated_; }
    bool Serves(const SettingsRecord& r, std::size_t choice) const override;
    // A card's lanes may need the CDCM61004.
    void CardChanged(kit::FormView& view, int /*connector*/) const override { FollowGatedLists(view); }
    void ItemChosen(kit::FormView& view, SettingsRecord& stored, std::size_t offset) const override;
    // The outlines as the lists show before they follow the controls.
    void DrawOutlines(kit::FormView& view) const override;

private:
    const OscillatorRules& rules_;
    std::array<kit::GatedList, 2> gated_;
};
