#pragma once
// The switches and keys page: while it holds an open link it asks the board for the key
// and switch words every 200 ms and shows each key and switch as one of two pictures.

#include "PageDialog.h"
#include "PageStatusLine.h"
#include "control_panel/logic/MainDialogServices.h"
#include "control_panel/logic/SwitchPictures.h"

#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>

namespace platform {
class PictureBox;
}

class CSwitchDialog : public CPageDialog {
public:
    explicit CSwitchDialog(CMainDialogServices& services, QWidget* parent = nullptr);

    // With an open link the first poll comes 200 ms later.
    void AttachLink(CBoardLink* link) override;
    // Stops the polls and clears the status line.
    void DetachLink() override;

    void OnTimer();
    void PollInputs();
    void ShowKeys(uint32_t word);
    void ShowSwitches(uint32_t word);

    const CPageStatusLine& Status() const { return *m_status; }
    // Single-shot, re-armed after each poll.
    const QTimer& PollTimer() const { return m_timer; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void KillPollTimer() { m_timer.stop(); }
    void StartPollTimer();

    CBoardLink* m_pLink = nullptr;
    QTimer m_timer;
    std::array<platform::PictureBox*, KEY_COUNT> m_keys{};
    std::array<platform::PictureBox*, SWITCH_COUNT> m_switches{};
    std::unique_ptr<CPageStatusLine> m_status;
};
