#include "OscillatorBoardLogic.h"

namespace {

// The kept choice of each list.
constexpr std::size_t kSi570 = 0;
constexpr std::size_t kCdcm61004 = 1;

} // namespace

bool OscillatorBoardLogic::ChoiceEnabled(const kit::FormView& view, std::size_t offset) const {
    if (offset == rules_.si570)
        return Si570Needed(rules_, view.record);
    if (offset == rules_.cdcm61004)
        return Cdcm61004Needed(rules_, view.record);
    return true;
}

void OscillatorBoardLogic::SetUpView(kit::FormView& view) const {
    BoardLogic::SetUpView(view);
    view.kept = {0, 0};
}

void OscillatorBoardLogic::ShowChoices(const SettingsRecord& r, kit::FormView& view) const {
    BoardLogic::ShowChoices(r, view);
    view.kept = {view.record.I32(rules_.si570), view.record.I32(rules_.cdcm61004)};
}

void OscillatorBoardLogic::ItemChosen(kit::FormView& view, SettingsRecord& /*stored*/, std::size_t offset,
                                      kit::FormPainter* painter) const {
    if (offset == rules_.si570)
        view.kept[kSi570] = view.record.I32(offset);
    else if (offset == rules_.cdcm61004)
        view.kept[kCdcm61004] = view.record.I32(offset);
    else
        return;
    if (rules_.refreshOnChoice)
        Redraw(view, painter);
}

void OscillatorBoardLogic::Follow(kit::FormView& view) const {
    view.record.SetI32(rules_.si570, Si570Needed(rules_, view.record) ? view.kept[kSi570] : 0);
    view.record.SetI32(rules_.cdcm61004, Cdcm61004Needed(rules_, view.record) ? view.kept[kCdcm61004] : 0);
}
