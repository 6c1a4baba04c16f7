#include "QtButtonOwner.h"

#include "PanelPictures.h"
#include "platform/qt/QtPlatform.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

QColor FromColorRef(uint32_t colorRef) {
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}

QRect QtRect(const PanelRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

QFont CaptionFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    // A cell 14 pixels high holds characters about 12 pixels high.
    font.setPixelSize(12);
    return font;
}

CQtButtonOwner::CQtButtonOwner(QWidget* widget) : m_pWidget(widget) {
    m_pWidget->setMouseTracking(true);
}

bool CQtButtonOwner::LoadBitmap(int resourceId, int& width, int& height) {
    QImage image = PanelBitmap(resourceId);
    if (image.isNull())
        return false;
    width = image.width();
    height = image.height();
    return true;
}

void CQtButtonOwner::Invalidate(const PanelRect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    m_dirty += QtRect(rect);
    m_pWidget->update(QtRect(rect));
}

void CQtButtonOwner::Update() {
    if (m_dirty.isEmpty())
        return;
    QRegion dirty = m_dirty;
    m_dirty = QRegion();
    m_pWidget->repaint(dirty);
}

void CQtButtonOwner::ShowHandCursor(bool overButton) {
    if (overButton)
        m_pWidget->setCursor(Qt::PointingHandCursor);
    else
        m_pWidget->unsetCursor();
}

void CQtButtonCanvas::DrawBitmap(int resourceId, int srcTop, int width, int height, int x, int y) {
    m_painter.drawImage(QPoint(x, y), PanelBitmap(resourceId), QRect(0, srcTop, width, height));
}

void CQtButtonCanvas::CaptionSize(const std::string& text, int& width, int& height) {
    QFontMetrics metrics(CaptionFont());
    width = metrics.horizontalAdvance(platform::ToQt(text));
    height = metrics.height();
}

void CQtButtonCanvas::DrawCaption(const std::string& text, int x, int y, int width, uint32_t colorRef) {
    const QString caption = platform::ToQt(text);
    QFontMetrics metrics(CaptionFont());
    const int natural = metrics.horizontalAdvance(caption);
    m_painter.save();
    m_painter.setFont(CaptionFont());
    m_painter.setPen(FromColorRef(colorRef));
    m_painter.translate(x, y + metrics.ascent());
    if (natural > width && width > 0)
        m_painter.scale(static_cast<qreal>(width) / natural, 1.0);
    m_painter.drawText(QPoint(0, 0), caption);
    m_painter.restore();
}
