#pragma once
// The form of board 32, Forvik: thirteen peripherals, a 2x20 GPIO header, and an HSMC
// connector whose I/O voltage the user picks, which picks its card list.

#include "boards/kit/BoardForm.h"

class TFormForvik : public BoardForm {
public:
    explicit TFormForvik(QWidget* owner);

    void ApplyVoltageChange();
    void ComboBoxHsmcVolChange();

protected:
    void FillChoiceLists() override;
    void ChoicesToUi(const SettingsRecord& record) override;
    void UiToChoices(SettingsRecord& record) override;
    void UpdateExtras() override;

private:
    QComboBox* m_ComboBoxHsmcVol;
};
