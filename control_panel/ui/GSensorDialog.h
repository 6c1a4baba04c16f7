#pragma once
// The accelerometer page: while it holds an open link it reads the accelerometer at once
// and then every 200 ms, and shows the accelerations in milli-g, two tilt angles and a
// bubble-level gauge.

#include "GSensorGauge.h"
#include "PageDialog.h"
#include "PageStatusLine.h"
#include "control_panel/logic/MainDialogServices.h"

#include <QTimer>
#include <cstdint>
#include <memory>

class CGSensorDialog : public CPageDialog {
public:
    explicit CGSensorDialog(CMainDialogServices& services, QWidget* parent = nullptr);

    // With an open link: one read at once, the next 200 ms after it.
    void AttachLink(CBoardLink* link) override;
    // Stops the reads and clears the status line; the readings stay as they were.
    void DetachLink() override;

    void OnTimer();
    void ReadGSensor();
    // The texts and the gauge from the stored reading; run by every paint.
    void DrawReadings(QPainter& painter);

    const CPageStatusLine& Status() const { return *m_status; }
    // Single-shot, re-armed after each read.
    const QTimer& PollTimer() const { return m_timer; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void KillPollTimer() { m_timer.stop(); }
    void StartPollTimer();

    bool m_bValid = false;
    int16_t m_x = 0;
    int16_t m_y = 0;
    int16_t m_z = 0;
    CGSensorGauge m_gauge;
    CBoardLink* m_pLink = nullptr;
    QTimer m_timer;
    std::unique_ptr<CPageStatusLine> m_status;
};
