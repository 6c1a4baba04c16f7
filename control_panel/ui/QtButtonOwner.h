#pragma once
// The bars of bitmap buttons on a Qt widget: the widget as their owner window, and a
// painter as their surface. The widget forwards its mouse events to its bars.

#include "control_panel/logic/ButtonOwner.h"

#include <QFont>
#include <QRegion>

class QPainter;
class QWidget;

// Colours of the control panel are COLORREF values, 0x00BBGGRR.
QColor FromColorRef(uint32_t colorRef);
QRect QtRect(const PanelRect& rect);
// The captions' font: "Arial" 14 pixels high (cell), or the system's sans font.
QFont CaptionFont();

class CQtButtonOwner : public CButtonOwner {
public:
    // Turns on mouse tracking, so that the widget hears the pointer move over its buttons.
    explicit CQtButtonOwner(QWidget* widget);

    bool LoadBitmap(int resourceId, int& width, int& height) override;
    void Invalidate(const PanelRect& rect) override;
    void Update() override;
    // Qt tells the widget when the pointer leaves it (the widget then moves its bars to
    // a point outside), which is what the capture was for: nothing to do.
    void SetCapture() override {}
    void ReleaseCapture() override {}
    // Hand cursor over an enabled button, the widget's own elsewhere.
    void ShowHandCursor(bool overButton);

    // A point that lies outside every bar: where the pointer is when it has left the widget.
    static constexpr int OUTSIDE = -1000000;

private:
    QWidget* m_pWidget;
    QRegion m_dirty;
};

class CQtButtonCanvas : public CButtonCanvas {
public:
    explicit CQtButtonCanvas(QPainter& painter) : m_painter(painter) {}

    void DrawBitmap(int resourceId, int srcTop, int width, int height, int x, int y) override;
    void CaptionSize(const std::string& text, int& width, int& height) override;
    void DrawCaption(const std::string& text, int x, int y, int width, uint32_t colorRef) override;

protected:
    QPainter& m_painter;
};
