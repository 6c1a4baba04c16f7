#pragma once
// The GPIO expansion dialog of the Lomar form: a card and a prefix for each of the two
// GPIO headers that take HSMC-C's place in GPIO mode. Its controls mirror a
// GpioExpansion, which keeps what OK confirmed between showings.

#include "GpioExpansion.h"
#include "settings/DaughterList.h"

#include <QDialog>
#include <string>

class QComboBox;
class QLineEdit;
namespace platform {
class PictureBox;
}

class TFormGPIO : public QDialog {
public:
    explicit TFormGPIO(QWidget* owner);

    // The list both combo boxes show (not owned; its entries fill the combo boxes).
    void SetDaughterList(std::span<const uint8_t> cards);
    void SetDaughterList(const DaughterIdList* ids, int count) {
        SetDaughterList({ids->data(), static_cast<std::size_t>(count)});
    }
    int GetGpio0Index() const { return m_State.GetIndex(0); }
    void SetGpio0Index(int index) { m_State.SetIndex(0, index); }
    void SetGpio1Index(int index) { m_State.SetIndex(1, index); }
    std::string GetGpio0Prefix() const { return m_State.GetPrefix(0); }
    const GpioExpansion& State() const { return m_State; }
    GpioExpansion& State() { return m_State; }

    // Handlers.
    void FormShow();
    void ComboBoxGpioChange(int header);
    void ButtonOkClick();
    void ButtonCancelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ReadPrefixes();
    void ShowState();
    void UpdateDaughterImages();

    GpioExpansion m_State;
    QComboBox* m_Combo[2];
    QLineEdit* m_Prefix[2];
    platform::PictureBox* m_Image[2];
};
