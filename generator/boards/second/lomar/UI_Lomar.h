#pragma once
// The form of board 12, Lomar: six HSMC connectors, HSMC-C switchable to two GPIO
// headers whose cards the GPIO expansion dialog chooses, the programmable PLL's three
// clock choices and a drawing of the I/O-voltage jumpers the chosen cards need.

#include "boards/kit/BoardForm.h"
#include "boards/second/UI_GPIO.h"

#include <functional>
#include <memory>

namespace platform {
class PaintBox;
}

class TFormLomar : public BoardForm {
public:
    explicit TFormLomar(QWidget* owner);
    ~TFormLomar() override;

    // Shows the dialog modally; the result is QDialog::Accepted for OK.
    using GpioRunner = std::function<int(TFormGPIO&)>;
    void SetGpioRunner(GpioRunner run) { m_RunGpio = std::move(run); }

    bool IsHsmcCGpioMode() const;
    void UpdatePllEnable();
    void UpdateGpioLabel();
    void DrawVoltageJumpers();

    // Handlers.
    void ComboBoxBoardChange();
    void ComboBoxHsmcGpioChange();
    void ButtonGpioClick();

protected:
    void FillChoiceLists() override;
    void ChoicesToUi(const SettingsRecord& record) override;
    void UiToChoices(SettingsRecord& record) override;
    void UpdateExtras() override;
    void UpdateExtraImages() override;
    void TrailingSteps() override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The dialog, created again from the record when the form outlived it.
    TFormGPIO& GpioDialog();
    void CreateGpioDialog();
    void ShowGpioChoice(const SettingsRecord& record);

    QComboBox* m_ComboBoxBoard;
    QComboBox* m_ComboBoxHsmcGpio;
    QComboBox* m_ComboBoxPll[3];
    QCheckBox* m_CheckBoxExtPLL;
    platform::PictureBox* m_ImageVol;
    std::unique_ptr<TFormGPIO> m_FormGpio;
    GpioRunner m_RunGpio;
};
