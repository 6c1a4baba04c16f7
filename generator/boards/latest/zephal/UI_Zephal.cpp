#include "UI_Zephal.h"

#include "UI_ZephalLayout.h"
#include "ZephalRules.h"

TFormZephal::TFormZephal(QWidget* owner) : BoardForm(owner, ZephalLogic(), zephal::kLayout) {
    // The revision stays in the record only; the board panel takes its room.
    Widget("ComboBoxBoardRev")->hide();
    Widget("LabelRevision")->hide();
    QWidget* panel = Widget("PanelBoard");
    panel->resize(panel->width(), panel->height() + 35);
    Start();
}

void TFormZephal::FillChoiceLists() {
    std::vector<std::string> modes;
    for (const BbbModeRow& mode : kZephalBbbModes)
        modes.emplace_back(mode.item);
    FillList("ComboBoxBBB", modes);
    FillList("ComboBoxBoardRev", kZephalRevisions);
}
