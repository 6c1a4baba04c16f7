#include "LumastatPanel.h"

#include "PageMarkers.h"
#include "PanelConstants.h"
#include "TabBar.h"
#include "TopBar.h"
#include "platform/Text.h"

CLumastatPanel::CLumastatPanel(CPanelView& view, CBoardLink& link)
    : m_view(view), m_link(link), m_pTopBar(std::make_unique<CButtonManager>(view, BTN_MODE_PUSH)),
      m_pTabBar(std::make_unique<CButtonManager>(view, BTN_MODE_RADIO)) {}

// The bars outlive every event the window can still receive.
CLumastatPanel::~CLumastatPanel() = default;

void CLumastatPanel::Init() {
    AddButtons(*m_pTopBar, TOP_BAR);
    AddButtons(*m_pTabBar, TAB_BAR);
    m_sStatus.clear();
    m_nStatusColor = STATUS_YELLOW;
    SelectPage(PAGE_LED);
    SetStatus("Ready", STATUS_YELLOW);
    m_view.PostConnect();
}

void CLumastatPanel::SelectPage(int page) {
    if (page == m_nCurPage)
        return;
    for (int i = 0; i < PAGE_COUNT; ++i)
        m_view.ShowPage(i, false);
    if (m_nCurPage == PAGE_CONNECTING) {
        m_view.StopAnimation();
        m_view.ShowAnimation(false);
    }
    for (int i = 0; i < PAGE_COUNT; ++i)
        m_view.DetachPageLink(i);
    m_nCurPage = page;
    if (page == PAGE_CONNECTING)
        m_view.PlayAnimation(ANIMATION_RECT);
    if (page >= 0 && page < PAGE_COUNT)
        m_view.ShowPage(page, true);
    if (page != PAGE_CONNECTING)
        AttachPage(page);
    m_view.InvalidateAll();
    m_view.Update();
}

void CLumastatPanel::AttachPage(int page) {
    if (m_link.IsOpen() && page >= 0 && page < PAGE_COUNT)
        m_view.AttachPageLink(page, &m_link);
}

void CLumastatPanel::SetStatus(const std::string& text, uint32_t colorRef) {
    m_sStatus = text;
    m_nStatusColor = colorRef;
    m_view.InvalidateAll();
    m_view.Update();
}

void CLumastatPanel::EnableButtons(bool enable, int tab) {
    m_pTopBar->EnableAll(enable);
    EnableTab(tab == TAB_CURRENT ? m_nCurPage : tab, enable);
}

void CLumastatPanel::EnableTab(int tab, bool enable) {
    if (tab == TAB_ALL)
        m_pTabBar->EnableAll(enable);
    else
        m_pTabBar->EnableButton(tab, enable);
}

void CLumastatPanel::OnConnect() {
    BeginBusy();
    EnableButtons(false, TAB_ALL);
    m_view.SetWaitCursor(true);
    if (m_link.IsOpen()) {
        for (int i = 0; i < PAGE_COUNT; ++i)
            m_view.DetachPageLink(i);
        DisconnectBoard();
        SetStatus("Disconnected", STATUS_RED);
        m_pTopBar->SetBitmap(IDC_CONNECT, IDB_CONNECT);
    } else {
        m_pTabBar->SetCheck(m_nCurPage, false);
        SelectPage(PAGE_CONNECTING);
        bool connected = ConnectBoard();
        m_view.StopAnimation();
        m_view.ShowAnimation(true);
        if (connected) {
            m_pTabBar->SetCheck(PAGE_LED, true);
            SelectPage(PAGE_LED);
        }
    }
    m_view.SetWaitCursor(false);
    EnableButtons(true, TAB_ALL);
    EndBusy();
}

void CLumastatPanel::EnableMainButtons(bool enable) {
    EnableButtons(enable, TAB_ALL);
    m_bPagesBusy = !enable;
    CloseIfPending();
}

void CLumastatPanel::BeginBusy() {
    ++m_nBusy;
}

void CLumastatPanel::EndBusy() {
    --m_nBusy;
    CloseIfPending();
}

bool CLumastatPanel::IsBusy() const {
    return m_nBusy > 0 || m_bPagesBusy;
}

void CLumastatPanel::CloseIfPending() {
    if (m_bClosePending && !IsBusy()) {
        m_bClosePending = false;
        m_view.CloseWindow();
    }
}

bool CLumastatPanel::CanClose() {
    if (IsBusy()) {
        m_bClosePending = true;
        return false;
    }
    return true;
}

void CLumastatPanel::OnLButtonDown(int x, int y) {
    if (!m_pTopBar->OnLButtonDown(x, y) && m_nCurPage != PAGE_CONNECTING)
        m_pTabBar->OnLButtonDown(x, y);
}

void CLumastatPanel::OnMouseMove(int x, int y) {
    if (!m_pTopBar->OnMouseMove(x, y) && m_nCurPage != PAGE_CONNECTING)
        m_pTabBar->OnMouseMove(x, y);
}

void CLumastatPanel::OnLButtonUp(int x, int y) {
    int tab = m_pTabBar->OnLButtonUp(x, y);
    if (tab == -1) {
        switch (m_pTopBar->OnLButtonUp(x, y)) {
        case IDC_CLOSE:
            m_view.CloseWindow();
            break;
        case IDC_ABOUT:
            m_view.RunAbout();
            break;
        case IDC_MINIMIZE:
            m_view.Minimize();
            break;
        case IDC_CONNECT:
            OnConnect();
            break;
        default:
            break;
        }
    } else if (tab != m_nCurPage) {
        SelectPage(tab);
    }
}

bool CLumastatPanel::IsOverButton(int x, int y) const {
    return m_pTopBar->IsOverButton(x, y) || m_pTabBar->IsOverButton(x, y);
}

void CLumastatPanel::Paint(CPanelCanvas& canvas) const {
    m_pTopBar->Paint(canvas);
    m_pTabBar->Paint(canvas);
    DrawProgress(canvas, m_nProgressPercent);
    if (!m_sStatus.empty()) {
        int width = 0;
        int height = 0;
        canvas.TextSize(m_sStatus, width, height);
        canvas.DrawText(m_sStatus, STATUS_RECT.left + (STATUS_RECT.Width() - width) / 2,
                        STATUS_RECT.top + (STATUS_RECT.Height() - height) / 2, m_nStatusColor, nullptr);
    }
    for (const PageMarker& marker : PAGE_MARKERS)
        if (marker.page == m_nCurPage)
            canvas.RoundRect(RectAt(marker.x, marker.y, marker.w, marker.h), 5, 3, MARKER_COLOR);
}
