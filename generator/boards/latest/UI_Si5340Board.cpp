#include "UI_Si5340Board.h"

#include "ClockBoardTexts.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"

#include <QComboBox>
#include <QPushButton>

Si5340BoardForm::Si5340BoardForm(QWidget* owner, const kit::BoardLogic& logic,
                                 std::span<const platform::LayoutRow> layout,
                                 std::span<const Si5340ClockList> lists, void (*selectAll)(SettingsRecord&))
    : BoardForm(owner, logic, layout), m_Lists(lists), m_SelectAll(selectAll),
      m_nClockIndex(lists.size(), 0) {
    for (const Si5340ClockList& list : m_Lists) {
        QComboBox* combo = platform::Component<QComboBox>(this, list.combo);
        m_ComboBoxes.push_back(combo);
        const Si5340Chip chip = list.chip;
        connect(combo, &QComboBox::activated, this, [this, chip] { ComboBoxClockChange(chip); });
    }
    connect(platform::Component<QPushButton>(this, "ButtonButtonDefaultAllSetting"), &QPushButton::clicked,
            this, [this] { ButtonButtonDefaultAllSettingClick(); });
}

void Si5340BoardForm::FillChoiceLists() {
    for (std::size_t i = 0; i < m_Lists.size(); ++i) {
        QComboBox* combo = m_ComboBoxes[i];
        combo->clear();
        for (const std::string& item : ClockItems(m_Lists[i].frequency, m_Lists[i].count))
            combo->addItem(platform::ToQt(item));
        combo->setMaxVisibleItems(m_Lists[i].count);
        combo->setCurrentIndex(0);
    }
}

void Si5340BoardForm::ChoicesToUi(const SettingsRecord& record) {
    for (std::size_t i = 0; i < m_Lists.size(); ++i) {
        m_nClockIndex[i] = record.I32(m_Lists[i].choice);
        m_ComboBoxes[i]->setCurrentIndex(m_nClockIndex[i]);
    }
}

void Si5340BoardForm::UiToChoices(SettingsRecord& record) {
    // A disabled list shows "Not Use".
    for (std::size_t i = 0; i < m_Lists.size(); ++i)
        record.SetI32(m_Lists[i].choice, m_ComboBoxes[i]->currentIndex());
}

void Si5340BoardForm::UpdateExtras() {
    const SettingsRecord shown = Shown();
    SetShapeVisible("ShapeSi5340A", ChipNeeded(shown, m_Lists, Si5340Chip::A));
    SetShapeVisible("ShapeSi5340B", ChipNeeded(shown, m_Lists, Si5340Chip::B));
    UpdateOscillatorEnable();
}

void Si5340BoardForm::UpdateOscillatorEnable() {
    const SettingsRecord shown = Shown();
    for (std::size_t i = 0; i < m_Lists.size(); ++i) {
        const bool needed = ClockNeeded(shown, m_Lists[i]);
        // Setting an index from code runs no handler.
        m_ComboBoxes[i]->setCurrentIndex(needed ? m_nClockIndex[i] : 0);
        m_ComboBoxes[i]->setEnabled(needed);
    }
}

void Si5340BoardForm::ComboBoxClockChange(Si5340Chip chip) {
    for (std::size_t i = 0; i < m_Lists.size(); ++i)
        if (m_Lists[i].chip == chip)
            m_nClockIndex[i] = m_ComboBoxes[i]->currentIndex();
}

void Si5340BoardForm::ButtonButtonDefaultAllSettingClick() {
    m_SelectAll(Record());
    ConfigToUi(Record());
}
