#pragma once
// The main dialog: a frameless window painted with the board, the top bar, six tabs,
// the six device pages, the title, the status line and the connect animation. It owns
// the board link and lends it to the page it shows.

#include "AnimationBox.h"
#include "PageDialog.h"
#include "QtButtonOwner.h"
#include "control_panel/link/BoardLink.h"
#include "control_panel/logic/LumastatPanel.h"
#include "control_panel/logic/MainDialogServices.h"
#include "control_panel/logic/PanelConstants.h"
#include "control_panel/logic/PanelView.h"

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>

class QLabel;

class CLumastatDlg : public QDialog, public CPanelView, public CMainDialogServices {
public:
    // Makes the page of an index (0 LED, 1 7-SEG, 2 Switches, 3 Memory, 4 Accelerometer,
    // 5 VGA) as a child of parent.
    using PageFactory = std::function<CPageDialog*(int page, CMainDialogServices& services, QWidget* parent)>;
    static CPageDialog* MakePage(int page, CMainDialogServices& services, QWidget* parent);

    // Loads the JTAG-UART library (through the link) and builds the window; the connect
    // runs once the shown window has been painted.
    explicit CLumastatDlg(PageFactory factory = MakePage);
    ~CLumastatDlg() override;

    CLumastatPanel& Panel() { return m_panel; }
    CBoardLink& Link() { return m_link; }
    CPageDialog* Page(int page) const { return m_pages[page]; }
    CAnimationBox* Animation() const { return m_pAnimation; }
    QLabel* Title() const { return m_pTitle; }
    bool ProgressTimerRunning() const { return m_progressTimer.isActive(); }

    // CMainDialogServices
    void EnableMainButtons(bool enable) override;
    void NotifyLinkError() override;

    // CPanelView
    bool LoadBitmap(int resourceId, int& width, int& height) override;
    void Invalidate(const PanelRect& rect) override;
    void Update() override;
    void SetCapture() override;
    void ReleaseCapture() override;
    void ShowPage(int page, bool show) override;
    void AttachPageLink(int page, CBoardLink* link) override;
    void DetachPageLink(int page) override;
    void PlayAnimation(const PanelRect& where) override;
    void StopAnimation() override;
    void ShowAnimation(bool show) override;
    void InvalidateAll() override;
    void SetWaitCursor(bool wait) override;
    int StartTimer(int id, uint32_t intervalMs) override;
    void KillTimer(int id) override;
    void PostConnect() override;
    void CloseWindow() override;
    void Minimize() override;
    void RunAbout() override;

    // A close waits while the connect sequence or a page's transfer pumps messages.
    void reject() override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    CBoardLink m_link;
    CQtButtonOwner m_owner;
    CLumastatPanel m_panel;
    std::array<CPageDialog*, PAGE_COUNT> m_pages{};
    CAnimationBox* m_pAnimation;
    QLabel* m_pTitle;
    QTimer m_progressTimer;
    bool m_bWaitCursor = false;
    // The start-up connect waits for the window's first paint on the screen.
    bool m_bConnectAfterPaint = false;
    // The window follows the pointer after a press outside every enabled button.
    bool m_bDragging = false;
    QPoint m_dragOffset;
};
