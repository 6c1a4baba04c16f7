#pragma once
// The progress window of a sequential memory transfer: how far it got, and an Abort
// button that the transfer looks at between its steps.

#include "control_panel/logic/MemoryTransfer.h"

#include <QDialog>

class QLabel;
class QProgressBar;

class CDialogProgress : public QDialog, public IMemoryProgress {
public:
    // Modeless, always on top; shown centred on the mouse and wholly on the mouse's screen.
    explicit CDialogProgress(QWidget* parent);

    // "Finished Percentage: 40%" and the bar at 40.
    void SetPercentage(int percent) override;
    bool IsAborted() override { return m_bAborted; }
    void OnAbort() { m_bAborted = true; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_bAborted = false;
    bool m_bPlaced = false;
    QProgressBar* m_pProgress;
    QLabel* m_pLabel;
};
