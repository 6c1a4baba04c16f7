#pragma once
// The VGA page: one of nine test patterns, chosen in a list, previewed on the page and
// sent to the board. Attaching asks first whether the VGA output answers and then
// applies the selected pattern.

#include "PageDialog.h"
#include "PageStatusLine.h"
#include "control_panel/logic/MainDialogServices.h"

#include <memory>

class QComboBox;

class CVgaDialog : public CPageDialog {
public:
    explicit CVgaDialog(CMainDialogServices& services, QWidget* parent = nullptr);

    // With an open link whose VGA output answers, applies the selected pattern.
    void AttachLink(CBoardLink* link) override;
    // Leaves the status line as it is.
    void DetachLink() override;

    bool ProbeVga();
    // True when the board took the pattern.
    bool SetVgaPattern(int pattern);
    void OnSelchangePattern();
    void ApplyPattern(int pattern);
    void DrawPattern(QPainter& painter, int pattern);

    const CPageStatusLine& Status() const { return *m_status; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CMainDialogServices& m_services;
    QComboBox* m_pPatterns;
    QWidget* m_pPreview;
    int m_nShownPattern = 0; // the list's selection when it last changed
    CBoardLink* m_pLink = nullptr;
    std::unique_ptr<CPageStatusLine> m_status;
};
