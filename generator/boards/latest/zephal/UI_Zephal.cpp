#include "UI_Zephal.h"

#include "UI_ZephalLayout.h"
#include "ZEPHAL_CONFIG.h"
#include "ZephalRules.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/Widgets.h"

#include <QComboBox>
#include <iterator>

using C = ZEPHAL_CONFIG;

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

void TFormZephal::DrawOutlines(const kit::FormView& view) {
    const bool header = view.record.U8(C::nBbbMode) > 0;
    SetShapeVisible("ShapeBBB_P8", header);
    SetShapeVisible("ShapeBBB_P9", header);
}

void TFormZephal::DrawPictures(const kit::FormView& view) {
    const int mode = view.record.U8(C::nBbbMode);
    const bool listed = mode < static_cast<int>(std::size(kZephalBbbModes));
    ShowCardPicture(platform::Component<platform::PictureBox>(this, "ImageBBB"),
                    listed ? kZephalBbbModes[mode].pictureId : 0);
}
