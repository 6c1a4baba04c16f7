#pragma once
// The form of board 19, Selvik: ten peripherals and one HSMC connector whose I/O
// voltage the user picks, which picks its card list and the card's standard.

#include "boards/kit/BoardForm.h"

class TFormSelvik : public BoardForm {
public:
    explicit TFormSelvik(QWidget* owner);

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
