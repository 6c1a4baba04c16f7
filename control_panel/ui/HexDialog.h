#pragma once
// The seven-segment page: the six digits HEX0-HEX5, each with a down and an up button
// under it. Every step sends all six digits; nothing is read back.

#include "BarPageDialog.h"
#include "control_panel/logic/HexDigits.h"
#include "control_panel/logic/MainDialogServices.h"

#include <array>

namespace platform {
class PictureBox;
}

class CHexDialog : public CBarPageDialog {
public:
    explicit CHexDialog(CMainDialogServices& services, QWidget* parent = nullptr);

    // Enables the twelve buttons when the link is open, disables them otherwise.
    void AttachLink(CBoardLink* link) override;
    // Disables the twelve buttons.
    void DetachLink() override;

    void UpdateDigits();
    void WriteDigits();
    void OnLButtonUp(int x, int y) override;

    const std::array<int, HEX_DIGIT_COUNT>& Digits() const { return m_digits; }
    CButtonManager& Bar() { return m_bar; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CBoardLink* m_pLink = nullptr;
    std::array<int, HEX_DIGIT_COUNT> m_digits{};
    CButtonManager& m_bar;
    std::array<platform::PictureBox*, HEX_DIGIT_COUNT> m_pictures{};
};
