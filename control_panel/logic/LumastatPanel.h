#pragma once
// The main dialog's logic: the two bars, page selection that lends the link to the
// shown page only, the status line with the timed progress bar, the page marker, the
// mouse routing and the connect sequence. The window it runs in is a CPanelView.

#include "ButtonManager.h"
#include "PanelView.h"
#include "control_panel/link/BoardLink.h"

#include <cstdint>
#include <memory>
#include <string>

class CLumastatPanel {
public:
    CLumastatPanel(CPanelView& view, CBoardLink& link);
    ~CLumastatPanel();
    CLumastatPanel(const CLumastatPanel&) = delete;
    CLumastatPanel& operator=(const CLumastatPanel&) = delete;

    // The end of the dialog's initialisation: bars, LED page, "Ready", connect posted.
    void Init();

    void SelectPage(int page);
    void AttachPage(int page);
    void SetStatus(const std::string& text, uint32_t colorRef);
    // tab: TAB_CURRENT for the current page's tab, TAB_ALL for all six.
    void EnableButtons(bool enable, int tab);
    void EnableTab(int tab, bool enable);
    // The connect button: connects when the link is closed, disconnects when it is open.
    void OnConnect();
    // For the pages: the top bar and all tabs; disabled, they hold back a close request.
    void EnableMainButtons(bool enable);

    // The connect sequence.
    bool ConnectBoard();
    bool CheckBoard(bool loud);
    void DisconnectBoard();
    void StartProgress(uint32_t durationMs);
    void OnTimer(int id);

    // Mouse, in client pixels.
    void OnLButtonDown(int x, int y);
    void OnMouseMove(int x, int y);
    void OnLButtonUp(int x, int y);
    // Over an enabled button of either bar: the hand cursor, and no dragging.
    bool IsOverButton(int x, int y) const;

    void Paint(CPanelCanvas& canvas) const;
    void DrawProgress(CPanelCanvas& canvas, int percent) const;

    // False while an operation pumps messages: the close happens when it has returned.
    bool CanClose();

    int CurrentPage() const { return m_nCurPage; }
    int ProgressPercent() const { return m_nProgressPercent; }
    const std::string& StatusText() const { return m_sStatus; }
    uint32_t StatusColor() const { return m_nStatusColor; }
    CButtonManager& TopBar() const { return *m_pTopBar; }
    CButtonManager& TabBar() const { return *m_pTabBar; }

private:
    void KillProgressTimer();
    void BeginBusy();
    void EndBusy();
    bool IsBusy() const;
    void CloseIfPending();

    CPanelView& m_view;
    CBoardLink& m_link;
    int m_nProgressPercent = -1;
    uint32_t m_nProgressDuration = 0;
    uint32_t m_nProgressStart = 0;
    std::string m_sStatus;
    uint32_t m_nStatusColor = 0;
    int m_nTimerId = 0;
    std::unique_ptr<CButtonManager> m_pTopBar;
    std::unique_ptr<CButtonManager> m_pTabBar;
    int m_nCurPage = -1;
    int m_nBusy = 0;
    bool m_bPagesBusy = false;
    bool m_bClosePending = false;
};

// The device test of the connect sequence: the FPGA on the cable is unsupported when the
// programmer's detection text does not name the device code.
bool IsUnsupportedDevice(const std::string& detection, const std::string& deviceCode);
