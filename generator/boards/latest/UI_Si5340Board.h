#pragma once
// The form shape of the Si5340 boards (27 and 31): the board form with its clock-output
// lists and "Select All". The board's own form adds its extra
// controls and calls Start().

#include "Si5340ClockLists.h"
#include "boards/kit/BoardForm.h"

class Si5340BoardForm : public BoardForm {
public:
    Si5340BoardForm(QWidget* owner, const kit::BoardLogic& logic, std::span<const platform::LayoutRow> layout,
                    std::span<const Si5340ClockList> lists, void (*selectAll)(SettingsRecord&));

    void ButtonButtonDefaultAllSettingClick();

protected:
    void FillChoiceLists() override;

private:
    std::span<const Si5340ClockList> m_Lists;
    void (*m_SelectAll)(SettingsRecord&);
};
