#include "UI_OscillatorBoard.h"

#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"

#include <QComboBox>

OscillatorBoardForm::OscillatorBoardForm(QWidget* owner, const kit::BoardLogic& logic,
                                         std::span<const platform::LayoutRow> layout,
                                         const OscillatorRules& rules)
    : BoardForm(owner, logic, layout), m_Rules(rules) {}

void OscillatorBoardForm::FillChoiceLists() {
    const std::vector<std::string> si570 = Si570Items();
    FillList("ComboBoxSi570", si570)->setMaxVisibleItems(static_cast<int>(si570.size()));
    const std::vector<std::string> cdcm = Cdcm61004Items();
    FillList("ComboBoxCdcm61004", cdcm)->setMaxVisibleItems(static_cast<int>(cdcm.size()));
}

void OscillatorBoardForm::DrawOutlines(const kit::FormView& view) {
    SetShapeVisible("ShapeSi570", view.record.I32(m_Rules.si570) != 0);
    SetShapeVisible("ShapeCdcm61004", view.record.I32(m_Rules.cdcm61004) != 0);
}
