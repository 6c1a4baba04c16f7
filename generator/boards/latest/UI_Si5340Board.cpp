#include "UI_Si5340Board.h"

#include "ClockBoardTexts.h"
#include "platform/qt/FormBuilder.h"

#include <QComboBox>
#include <QPushButton>

Si5340BoardForm::Si5340BoardForm(QWidget* owner, const kit::BoardLogic& logic,
                                 std::span<const platform::LayoutRow> layout,
                                 std::span<const Si5340ClockList> lists, void (*selectAll)(SettingsRecord&))
    : BoardForm(owner, logic, layout), m_Lists(lists), m_SelectAll(selectAll) {
    connect(platform::Component<QPushButton>(this, "ButtonButtonDefaultAllSetting"), &QPushButton::clicked,
            this, [this] { ButtonButtonDefaultAllSettingClick(); });
}

void Si5340BoardForm::FillChoiceLists() {
    for (const Si5340ClockList& list : m_Lists)
        FillList(list.combo, ClockItems(list.frequency, list.count))->setMaxVisibleItems(list.count);
}

// The settings record takes every box and clock output, and is shown.
void Si5340BoardForm::ButtonButtonDefaultAllSettingClick() {
    Apply([this](kit::FormView& view, SettingsRecord& stored) {
        m_SelectAll(stored);
        Logic().Show(view, stored);
    });
}
