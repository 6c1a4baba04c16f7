#pragma once
// The LED page: the board's ten LEDs as toggle buttons, "Light All" and "Unlight All".
// Every change sends the whole LED mask; nothing is read back, so the page shows what it
// last sent, or what was set while it had no link.

#include "BarPageDialog.h"
#include "control_panel/logic/LedButtons.h"
#include "control_panel/logic/MainDialogServices.h"

class CLedDialog : public CBarPageDialog {
public:
    explicit CLedDialog(CMainDialogServices& services, QWidget* parent = nullptr);

    // Sends nothing: the board keeps its LEDs until the next change on the page.
    void AttachLink(CBoardLink* link) override;
    void DetachLink() override;

    void WriteLeds();
    // Both change only the buttons; the caller sends.
    void OnLightAll();
    void OnUnlightAll();
    void OnLButtonUp(int x, int y) override;

    CButtonManager& LedBar() { return m_ledBar; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CMainDialogServices& m_services;
    CBoardLink* m_pLink = nullptr;
    CButtonManager& m_ledBar;
    CButtonManager& m_commandBar;
    LedPoint m_ledPositions[LED_COUNT] = {};
};
