#pragma once
// The decisions the Si5340 boards' forms (27 and 31) share: each clock-output list is
// enabled while an interface it clocks is ticked, shows "Not Use" while it is not, and
// shows again the choice it kept when that interface is ticked again. A choice in a
// list keeps the choices of every list of its chip as they show. A chip's outline shows
// while some ticked interface needs an output of it.

#include "Si5340ClockLists.h"
#include "boards/kit/SettingsBoardLogic.h"

#include <cstddef>
#include <span>
#include <vector>

template <class Settings, void (*Pins)(TMainBoard*, Settings*)>
class Si5340BoardLogic : public kit::SettingsBoardLogic<Settings, Pins> {
    using Base = kit::SettingsBoardLogic<Settings, Pins>;

public:
    Si5340BoardLogic(const kit::BoardSpec& spec, std::span<const Si5340ClockList> lists)
        : Base(spec), lists_(lists) {
        for (const Si5340ClockList& list : lists_)
            gated_.push_back({list.choice, 0, 0, static_cast<int>(list.chip)});
    }

protected:
    std::span<const kit::GatedList> GatedLists() const override { return gated_; }
    bool Serves(const SettingsRecord& r, std::size_t choice) const override {
        for (const Si5340ClockList& list : lists_)
            if (list.choice == choice)
                return ClockNeeded(r, list);
        return true;
    }
    void DrawOutlines(kit::FormView& view) const override {
        Base::DrawOutlines(view);
        view.shown["ShapeSi5340A"] = ChipNeeded(view.record, lists_, Si5340Chip::A);
        view.shown["ShapeSi5340B"] = ChipNeeded(view.record, lists_, Si5340Chip::B);
    }

private:
    std::span<const Si5340ClockList> lists_;
    std::vector<kit::GatedList> gated_;
};
