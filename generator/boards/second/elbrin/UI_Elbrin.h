#pragma once
// The form of board 5, Elbrin: 22 peripherals, a 2x20 GPIO header and an HSMC
// connector, each on a bank whose I/O voltage the user picks. The HSMC voltage picks
// the card list; a GPIO bank away from 3.3 V takes the generic card of its voltage.

#include "boards/kit/BoardForm.h"

class TFormElbrin : public BoardForm {
public:
    explicit TFormElbrin(QWidget* owner);

    void ApplyVoltageChange();
    void RememberDaughterIndexes();
    void ComboBoxVolChange();

protected:
    void FillChoiceLists() override;
    void ChoicesToUi(const SettingsRecord& record) override;
    void UiToChoices(SettingsRecord& record) override;
    void UpdateExtras() override;
    void TrailingSteps() override;
    void CardChanged(int connector) override;

private:
    QComboBox* m_ComboBoxGpioVol;
    QComboBox* m_ComboBoxHsmcVol;
    int m_GpioIndex = 0; // the GPIO choice to put back when the bank returns to 3.3 V
};
