#pragma once
// The form of board 29, Calvex: 18 peripherals, two device variants, the CDCM6208
// and LMK04906 clock-output lists, a 2x20 GPIO header and four FMC ports.

#include "boards/kit/BoardForm.h"

#include <vector>

class TFormCalvex : public BoardForm {
public:
    explicit TFormCalvex(QWidget* owner);

    // Each chip's lists are enabled while its box is ticked and show the record's settings.
    void UpdatePllEnable(const SettingsRecord& record);

protected:
    void FillChoiceLists() override;
    void ChoicesToUi(const SettingsRecord& record) override;
    void UiToChoices(SettingsRecord& record) override;
    void BoxClicked() override;

private:
    QComboBox* m_ComboBoxBoard;
    QCheckBox* m_CheckBoxExtCdcmPLL;
    QCheckBox* m_CheckBoxExtLmkPLL;
    std::vector<QComboBox*> m_Cdcm;
    std::vector<QComboBox*> m_Lmk;
};
