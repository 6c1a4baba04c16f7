#pragma once
// The form shape of the Si5340 boards (27 and 31): the board form with its clock-output
// lists, each enabled while an interface it clocks is ticked and showing again the
// choice it had when that interface is ticked again, the chip outlines, and
// "Select All". The board's own form adds its extra controls and calls Start().

#include "Si5340ClockLists.h"
#include "boards/kit/BoardForm.h"

#include <vector>

class Si5340BoardForm : public BoardForm {
public:
    Si5340BoardForm(QWidget* owner, const kit::BoardLogic& logic, std::span<const platform::LayoutRow> layout,
                    std::span<const Si5340ClockList> lists, void (*selectAll)(SettingsRecord&));

    void UpdateOscillatorEnable();
    // A list of the chip changed: the chip's lists are remembered as they show now.
    void ComboBoxClockChange(Si5340Chip chip);
    void ButtonButtonDefaultAllSettingClick();

protected:
    void FillChoiceLists() override;
    void ChoicesToUi(const SettingsRecord& record) override;
    void UiToChoices(SettingsRecord& record) override;
    // The chip outlines; then the lists follow the boxes (after every box click and load).
    void UpdateExtras() override;

private:
    std::span<const Si5340ClockList> m_Lists;
    void (*m_SelectAll)(SettingsRecord&);
    std::vector<QComboBox*> m_ComboBoxes;
    std::vector<int32_t> m_nClockIndex; // the choice each list shows again when enabled
};
