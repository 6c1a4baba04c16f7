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
    combo->setCurrentIndex(0);
}

// Setting an index from code runs no handler; an enabled list is enabled first, a
// disabled one shows "Disable" first.
void Follow(QComboBox* combo, bool enabled, int32_t index) {
    if (enabled) {
        combo->setEnabled(true);
        combo->setCurrentIndex(index);
    } else {
        combo->setCurrentIndex(0);
        combo->setEnabled(false);
    }
}

} // namespace

OscillatorBoardForm::OscillatorBoardForm(QWidget* owner, const kit::BoardLogic& logic,
                                         std::span<const platform::LayoutRow> layout,
                                         const OscillatorRules& rules, bool refreshOnChoice)
    : BoardForm(owner, logic, layout), m_Rules(rules), m_RefreshOnChoice(refreshOnChoice),
      m_ComboBoxSi570(platform::Component<QComboBox>(this, "ComboBoxSi570")),
      m_ComboBoxCdcm61004(platform::Component<QComboBox>(this, "ComboBoxCdcm61004")) {
    connect(m_ComboBoxSi570, &QComboBox::activated, this, [this] { ComboBoxSi570Change(); });
    connect(m_ComboBoxCdcm61004, &QComboBox::activated, this, [this] { ComboBoxCdcm61004Change(); });
}

void OscillatorBoardForm::FillChoiceLists() {
    Fill(m_ComboBoxSi570, Si570Items());
    Fill(m_ComboBoxCdcm61004, Cdcm61004Items());
}

void OscillatorBoardForm::ChoicesToUi(const SettingsRecord& record) {
    m_Si570Index = record.I32(m_Rules.si570);
    m_Cdcm61004Index = record.I32(m_Rules.cdcm61004);
    m_ComboBoxSi570->setCurrentIndex(m_Si570Index);
    m_ComboBoxCdcm61004->setCurrentIndex(m_Cdcm61004Index);
}

void OscillatorBoardForm::UiToChoices(SettingsRecord& record) {
    record.SetI32(m_Rules.si570, m_ComboBoxSi570->currentIndex());
    record.SetI32(m_Rules.cdcm61004, m_ComboBoxCdcm61004->currentIndex());
}

void OscillatorBoardForm::UpdateExtras() {
    SetShapeVisible("ShapeSi570", m_ComboBoxSi570->currentIndex() != 0);
    SetShapeVisible("ShapeCdcm61004", m_ComboBoxCdcm61004->currentIndex() != 0);
    UpdateOscillatorEnable();
}

void OscillatorBoardForm::CardChanged(int /*connector*/) {
    UpdateOscillatorEnable();
}

void OscillatorBoardForm::UpdateOscillatorEnable() {
    // The boxes and cards as the controls show them decide.
    SettingsRecord shown = Record();
    UiToConfig(shown);
    Follow(m_ComboBoxSi570, Si570Needed(m_Rules, shown), m_Si570Index);
    Follow(m_ComboBoxCdcm61004, Cdcm61004Needed(m_Rules, shown), m_Cdcm61004Index);
}

void OscillatorBoardForm::ComboBoxSi570Change() {
    m_Si570Index = m_ComboBoxSi570->currentIndex();
    if (m_RefreshOnChoice)
        UpdateShapes();
}

void OscillatorBoardForm::ComboBoxCdcm61004Change() {
    m_Cdcm61004Index = m_ComboBoxCdcm61004->currentIndex();
    if (m_RefreshOnChoice)
        UpdateShapes();
}
