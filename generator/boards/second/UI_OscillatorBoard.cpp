#include "UI_OscillatorBoard.h"

#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"

#include <QComboBox>

namespace {

void Fill(QComboBox* combo, const std::vector<std::string>& items) {
    combo->clear();
    for (const std::string& item : items)
        combo->addItem(platform::ToQt(item));
    combo->setMaxVisibleItems(static_cast<int>(items.size()));
}

} // namespace

OscillatorBoardForm::OscillatorBoardForm(QWidget* owner, const kit::BoardLogic& logic,
                                         std::span<const platform::LayoutRow> layout,
                                         const OscillatorRules& rules)
    : BoardForm(owner, logic, layout), m_Rules(rules) {}

void OscillatorBoardForm::FillChoiceLists() {
    Fill(platform::Component<QComboBox>(this, "ComboBoxSi570"), Si570Items());
    Fill(platform::Component<QComboBox>(this, "ComboBoxCdcm61004"), Cdcm61004Items());
}

void OscillatorBoardForm::DrawOutlines(const kit::FormView& view) {
    SetShapeVisible("ShapeSi570", view.record.I32(m_Rules.si570) != 0);
    SetShapeVisible("ShapeCdcm61004", view.record.I32(m_Rules.cdcm61004) != 0);
}
