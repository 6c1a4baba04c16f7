#pragma once
// The decisions the Si5340 boards' forms (27 and 31) share: each clock-output list is
// enabled while an interface it clocks is ticked, shows "Not Use" while it is not, and
// shows again the choice it kept when that interface is ticked again. A choice in a
// list keeps the choices of every list of its chip as they show.

#include "Si5340ClockLists.h"
#include "boards/kit/SettingsBoardLogic.h"

#include <cstddef>
#include <span>

template <class Settings, void (*Pins)(TMainBoard*, Settings*)>
class Si5340BoardLogic : public kit::SettingsBoardLogic<Settings, Pins> {
public:
    Si5340BoardLogic(const kit::BoardSpec& spec, std::span<const Si5340ClockList> lists)
        : kit::SettingsBoardLogic<Settings, Pins>(spec), lists_(lists) {}

    bool ChoiceEnabled(const kit::FormView& view, std::size_t offset) const override {
        for (const Si5340ClockList& list : lists_)
            if (list.choice == offset)
                return ClockNeeded(view.record, list);
        return true;
    }

protected:
    void SetUpView(kit::FormView& view) const override { view.kept.assign(lists_.size(), 0); }
    void ShowChoices(const SettingsRecord& r, kit::FormView& view) const override {
        kit::BoardLogic::ShowChoices(r, view);
        for (std::size_t i = 0; i < lists_.size(); ++i)
            view.kept[i] = view.record.I32(lists_[i].choice);
    }
    void FollowOutlines(kit::FormView& view) const override {
        for (std::size_t i = 0; i < lists_.size(); ++i)
            view.record.SetI32(lists_[i].choice, ClockNeeded(view.record, lists_[i]) ? view.kept[i] : 0);
    }
    void ItemChosen(kit::FormView& view, SettingsRecord& /*stored*/, std::size_t offset,
                    kit::FormPainter* /*painter*/) const override {
        for (const Si5340ClockList& chosen : lists_)
            if (chosen.choice == offset)
                for (std::size_t i = 0; i < lists_.size(); ++i)
                    if (lists_[i].chip == chosen.chip)
                        view.kept[i] = view.record.I32(lists_[i].choice);
    }

private:
    std::span<const Si5340ClockList> lists_;
};
