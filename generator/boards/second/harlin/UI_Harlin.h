#pragma once
// The form of board 8, Harlin: two device variants, a programmable PLL with three
// outputs, two DDR2 sockets, two GPIO headers that an 80-pin card spans and two HSMC
// connectors. Its settings are saved when the form is destroyed.

#include "boards/kit/BoardForm.h"

#include <array>

class TFormHarlin : public BoardForm {
public:
    explicit TFormHarlin(QWidget* owner);
    ~TFormHarlin() override;

    void ComboBoxBoardChange();
    void UpdatePllEnable();

protected:
    void FillChoiceLists() override;
    void ChoicesToUi(const SettingsRecord& record) override;
    void UiToChoices(SettingsRecord& record) override;
    void BoxClicked() override;

private:
    QComboBox* m_ComboBoxBoard;
    QCheckBox* m_CheckBoxExtPLL;
    std::array<QComboBox*, 3> m_ComboBoxPLL;
};
