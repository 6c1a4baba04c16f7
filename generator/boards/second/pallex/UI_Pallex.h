#pragma once
// The form of board 16, Pallex: on-board peripherals only (no card connectors), the
// two DDR3 SO-DIMM sockets whose module Generate attaches itself, and three
// programmable oscillators whose lists are enabled while an interface they clock is
// ticked, showing again the user's last choice.

#include "boards/kit/BoardForm.h"

class TFormPallex : public BoardForm {
public:
    explicit TFormPallex(QWidget* owner);

    void UpdateOscillatorEnable();
    void ComboBoxSi570Change();
    void ComboBoxCdcm61001Change();
    void ComboBoxCdcm61004Change();

protected:
    void FillChoiceLists() override;
    void ChoicesToUi(const SettingsRecord& record) override;
    void UiToChoices(SettingsRecord& record) override;
    // The oscillator outlines as the lists show now, then the lists follow the boxes.
    void UpdateExtras() override;

private:
    QComboBox* m_ComboBoxSi570;
    QComboBox* m_ComboBoxCdcm61001;
    QComboBox* m_ComboBoxCdcm61004;
    // The choice each list shows again when it is enabled.
    int m_Si570Index = 0;
    int m_Cdcm61001Index = 1;
    int m_Cdcm61004Index = 1;
};
