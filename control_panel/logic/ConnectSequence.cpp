// The connect sequence of the main dialog: board check, detection and configuration
// through the programmer when the board does not answer, second check; the timed
// progress bar; the disconnect.
#include "LumastatPanel.h"

#include "PanelConstants.h"
#include "control_panel/link/ProgrammerUtil.h"
#include "control_panel/link/TickClock.h"
#include "platform/Platform.h"
#include "platform/Text.h"

#include <algorithm>

namespace {

constexpr const char* BOARD_NAME = "DUNMIR";
constexpr const char* DEVICE_CODE = "10M50";
constexpr const char* DETECTION_ARGUMENTS = "-a";
constexpr const char* DESIGN_FILE = "Lumastat.sof";
constexpr uint32_t CONFIGURATION_TIMEOUT_MS = 15000;

} // namespace

bool IsUnsupportedDevice(const std::string& detection, const std::string& deviceCode) {
    return detection.find(deviceCode) == std::string::npos;
}

bool CLumastatPanel::ConnectBoard() {
    m_pTopBar->EnableAll(false);
    EnableTab(TAB_ALL, false);
    m_view.SetWaitCursor(true);
    SetStatus("", STATUS_YELLOW);
    m_nProgressPercent = 2;
    m_view.Invalidate(STATUS_RECT);
    m_view.Update();
    StartProgress(PROGRESS_DURATION_MS);

    bool connected = CheckBoard(false);
    if (!connected) {
        CProgrammerUtil programmer;
        std::string detection;
        if (!programmer.RunQuartusPgm(DETECTION_ARGUMENTS, detection)) {
            KillProgressTimer();
            platform::ShowMessage(
                "Failed to find the FPGA Board. Please make sure:\n1. The FPGA Board and PC are "
                "connected by an USB cable.\n2. The FPGA Board is power on.",
                "Warning", platform::Icon::Warning);
        } else if (IsUnsupportedDevice(detection, DEVICE_CODE)) {
            KillProgressTimer();
            platform::ShowMessage("Unsupported FPGA!", "Information", platform::Icon::Information);
        } else {
            m_link.Drain();
            if (!programmer.ConfigureFpga(DESIGN_FILE, CONFIGURATION_TIMEOUT_MS)) {
                platform::ShowMessage("Failed to configure FPGA!", "Error", platform::Icon::Information);
            } else {
                m_link.Drain();
                bool checked = CheckBoard(true);
                m_link.Drain();
                if (checked) {
                    m_link.Close();
                    connected = m_link.Open();
                }
            }
        }
    }
    // A reopen that failed may leave a connection behind; the next press must connect afresh.
    if (!connected)
        m_link.Close();

    m_nProgressPercent = -1;
    KillProgressTimer();
    SetStatus(connected ? "Connected" : "Disconnected", connected ? STATUS_GREEN : STATUS_RED);
    m_pTopBar->SetBitmap(IDC_CONNECT, connected ? IDB_CONNECTED : IDB_CONNECT);
    m_view.SetWaitCursor(false);
    m_pTopBar->EnableAll(true);
    EnableTab(TAB_ALL, true);
    return connected;
}

bool CLumastatPanel::CheckBoard(bool loud) {
    if (!m_link.IsOpen() && !m_link.Open()) {
        m_link.Close();
        return false;
    }
    std::string name;
    if (!m_link.GetBoardName(name)) {
        m_link.Close();
        return false;
    }
    if (name == BOARD_NAME)
        return true;
    if (loud)
        platform::ShowMessage("Invaid Board Name", "Error", platform::Icon::Stop);
    m_link.Close();
    return false;
}

void CLumastatPanel::DisconnectBoard() {
    m_link.Close();
    m_pTopBar->SetBitmap(IDC_CONNECT, IDB_CONNECT);
    SetStatus("Disconnected", STATUS_RED);
    m_pTopBar->EnableAll(false);
    EnableTab(TAB_ALL, false);
}

void CLumastatPanel::StartProgress(uint32_t durationMs) {
    m_nProgressDuration = durationMs;
    m_nProgressPercent = 0;
    m_nProgressStart = GetTickCount();
    KillProgressTimer();
    m_nTimerId = m_view.StartTimer(IDT_REFRESH, durationMs / 100);
}

void CLumastatPanel::KillProgressTimer() {
    if (m_nTimerId != 0)
        m_view.KillTimer(m_nTimerId);
    m_nTimerId = 0;
}

void CLumastatPanel::OnTimer(int id) {
    if (id != IDT_REFRESH)
        return;
    uint32_t percent = 0;
    if (m_nProgressDuration != 0)
        percent = std::min<uint32_t>((GetTickCount() - m_nProgressStart) * 100 / m_nProgressDuration, 100);
    m_nProgressPercent = static_cast<int>(percent);
    m_view.Invalidate(STATUS_RECT);
    m_view.Update();
}

void CLumastatPanel::DrawProgress(CPanelCanvas& canvas, int percent) const {
    if (percent < 0 || percent > 100)
        return;
    const PanelRect& bar = STATUS_RECT;
    int split = bar.left + bar.Width() * percent / 100;
    std::string text = platform::Format("%d%%", percent);
    int width = 0;
    int height = 0;
    canvas.TextSize(text, width, height);
    int x = bar.left + (bar.Width() - width) / 2;
    int y = bar.top + (bar.Height() - height) / 2;
    // The text reads across both parts: black on the green part, white on the black one.
    PanelRect done{bar.left, bar.top, split, bar.bottom};
    canvas.FillRect(done, PROGRESS_GREEN);
    canvas.DrawText(text, x, y, PROGRESS_BLACK, &done);
    PanelRect rest{split, bar.top, bar.right, bar.bottom};
    canvas.FillRect(rest, PROGRESS_BLACK);
    canvas.DrawText(text, x, y, PROGRESS_WHITE, &rest);
}
