#pragma once
// A page that draws bitmap buttons on itself: its bars get the mouse in the order they
// were added (a later bar only when the earlier ones did not take the point), and the
// hand cursor shows over an enabled button of any of them.

#include "PageDialog.h"
#include "QtButtonOwner.h"
#include "control_panel/logic/ButtonManager.h"

#include <memory>
#include <vector>

class CBarPageDialog : public CPageDialog {
public:
    explicit CBarPageDialog(QWidget* parent);
    ~CBarPageDialog() override;

    void OnLButtonDown(int x, int y);
    void OnMouseMove(int x, int y);
    virtual void OnLButtonUp(int x, int y) = 0;

protected:
    CButtonManager& AddBar(int mode);
    void PaintBars(QPainter& painter) const;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

    CQtButtonOwner m_owner;

private:
    bool IsOverButton(int x, int y) const;

    std::vector<std::unique_ptr<CButtonManager>> m_bars;
};
