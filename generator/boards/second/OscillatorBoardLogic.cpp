#include "OscillatorBoardLogic.h"

OscillatorBoardLogic::OscillatorBoardLogic(const kit::BoardSpec& spec, const OscillatorRules& rules)
    : BoardLogic(spec), rules_(rules), gated_{{{rules.si570, 0, 0}, {rules.cdcm61004, 0, 0}}} {}

bool OscillatorBoardLogic::Serves(const SettingsRecord& r, std::size_t choice) const {
    if (choice == rules_.si570)
        return Si570Needed(rules_, r);
    if (choice == rules_.cdcm61004)
        return Cdcm61004Needed(rules_, r);
    return true;
}

void OscillatorBoardLogic::ItemChosen(kit::FormView& view, SettingsRecord& stored, std::size_t offset) const {
    BoardLogic::ItemChosen(view, stored, offset);
    if (rules_.refreshOnChoice && (offset == rules_.si570 || offset == rules_.cdcm61004))
        Redraw(view);
}

void OscillatorBoardLogic::DrawOutlines(kit::FormView& view) const {
    BoardLogic::DrawOutlines(view);
    view.shown["ShapeSi570"] = view.record.I32(rules_.si570) != 0;
    view.shown["ShapeCdcm61004"] = view.record.I32(rules_.cdcm61004) != 0;
}
