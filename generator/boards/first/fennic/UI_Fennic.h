#pragma once
// The form of board 6, Fennic: five board variants, ten peripherals, four Kappel
// connectors, two GPIO headers in place of Kappel-A and a DDR2 socket in place of
// Kappel-B. It stores its settings in default.cfg when it is destroyed.

#include "boards/kit/BoardForm.h"

class QCheckBox;

class TFormFennic : public BoardForm {
public:
    explicit TFormFennic(QWidget* owner);
    ~TFormFennic() override;
    TFormFennic(const TFormFennic&) = delete;
    TFormFennic& operator=(const TFormFennic&) = delete;

    // What a click on a check box changes besides the outlines.
    void CheckBoxClickSteps(QCheckBox* sender);

protected:
    void FillChoiceLists() override;
    void ChoicesToUi(const SettingsRecord& record) override;
    void UiToChoices(SettingsRecord& record) override;
    bool ShowsStoredCard(int connector, const SettingsRecord& record) const override;
    void UpdateExtraImages() override;
    void UpdateExtras() override;
    void TrailingSteps() override;
    void CardChanged(int connector) override;

private:
    bool GpioTicked() const;
    bool Ddr2Ticked() const;
    bool Listed(int connector, const SettingsRecord& record) const;
    // The GPIO rows shown in place of the Kappel-A choice, or not.
    void ShowGpioRows(bool shown);
    void FreeKappelB(bool socketUsed);
};
