#pragma once
// The form of board 12, Lomar: six HSMC connectors, HSMC-C switchable to two GPIO
// headers whose cards the GPIO expansion dialog chooses, the programmable PLL's three
// clock choices and a drawing of the I/O-voltage jumpers the chosen cards need.

#include "boards/kit/BoardForm.h"
#include "boards/second/UI_GPIO.h"

#include <functional>
#include <memory>

class TFormLomar : public BoardForm {
public:
    explicit TFormLomar(QWidget* owner);
    ~TFormLomar() override;

    // Shows the dialog modally; the result is QDialog::Accepted for OK.
    using GpioRunner = std::function<int(TFormGPIO&)>;
    void SetGpioRunner(GpioRunner run) { m_RunGpio = std::move(run); }

    void ButtonGpioClick();

protected:
    void FillChoiceLists() override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The dialog, made again when the form outlived it.
    TFormGPIO& GpioDialog();

    std::unique_ptr<TFormGPIO> m_FormGpio;
    GpioRunner m_RunGpio;
};
