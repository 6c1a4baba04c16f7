#pragma once
// The form shape of the programmable-oscillator boards (15 and 18): the board form with
// the Si570 and CDCM61004 lists. A disabled list shows "Disable"; the choice a list had
// comes back when it is enabled again. The board's own form calls Start().

#include "ProgrammableOscillators.h"
#include "boards/kit/BoardForm.h"

class OscillatorBoardForm : public BoardForm {
public:
    // refreshOnChoice: a choice in a list refreshes the outlines at once.
    OscillatorBoardForm(QWidget* owner, const kit::BoardLogic& logic,
                        std::span<const platform::LayoutRow> layout, const OscillatorRules& rules,
                        bool refreshOnChoice);

    void UpdateOscillatorEnable();
    void ComboBoxSi570Change();
    void ComboBoxCdcm61004Change();

protected:
    void FillChoiceLists() override;
    void ChoicesToUi(const SettingsRecord& record) override;
    void UiToChoices(SettingsRecord& record) override;
    // The oscillator outlines as the lists show now; then the lists follow the controls.
    void UpdateExtras() override;
    // A card's lanes may need the CDCM61004.
    void CardChanged(int connector) override;

private:
    const OscillatorRules& m_Rules;
    bool m_RefreshOnChoice;
    QComboBox* m_ComboBoxSi570;
    QComboBox* m_ComboBoxCdcm61004;
    int32_t m_Si570Index = 0;
    int32_t m_Cdcm61004Index = 0;
};
