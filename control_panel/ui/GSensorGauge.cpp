#include "GSensorGauge.h"

#include "PanelPictures.h"
#include "control_panel/logic/GaugeGeometry.h"

#include <QPainter>

namespace {

// Blending works on the pictures' bytes: three colour bytes and one spare per pixel.
QImage Pixels(int resourceId) {
    return PanelBitmap(resourceId).convertToFormat(QImage::Format_RGB32);
}

PixelBits BitsOf(QImage& image) {
    return {image.bits(), image.width(), image.height(), static_cast<int>(image.bytesPerLine()),
            image.depth() / 8};
}

constexpr float BLEND_ALPHA = 0.5f;

} // namespace

CGSensorGauge::CGSensorGauge(int x, int y, int circleId, int bubbleId, int horizontalId, int horizontalKnobId,
                             int verticalId, int verticalKnobId)
    : m_circle{Pixels(circleId), Pixels(bubbleId), x + 76, y + 53}, m_horizontal{Pixels(horizontalId),
                                                                                 Pixels(horizontalKnobId),
                                                                                 x + 47, y},
      m_vertical{Pixels(verticalId), Pixels(verticalKnobId), x, y + 2} {}

void CGSensorGauge::Draw(QPainter& painter, float angle1, float angle2, float bubbleX, float bubbleY) const {
    QImage circle = m_circle.background.copy();
    const GaugePoint bubble = BubblePosition(circle.width(), m_circle.foreground.width(),
                                             m_circle.foreground.height(), bubbleX, bubbleY);
    BlendBitmap(circle, m_circle.foreground, bubble.x, bubble.y, BLEND_ALPHA);
    BlitBitmap(painter, m_circle.x, m_circle.y, circle);

    QImage horizontal = m_horizontal.background.copy();
    const GaugePoint knob1 =
        HorizontalKnobPosition(horizontal.width(), horizontal.height(), m_horizontal.foreground.width(),
                               m_horizontal.foreground.height(), angle1);
    BlendBitmap(horizontal, m_horizontal.foreground, knob1.x, knob1.y, BLEND_ALPHA);
    BlitBitmap(painter, m_horizontal.x, m_horizontal.y, horizontal);

    QImage vertical = m_vertical.background.copy();
    const GaugePoint knob2 =
        VerticalKnobPosition(vertical.width(), vertical.height(), m_vertical.foreground.width(),
                             m_vertical.foreground.height(), angle2);
    BlendBitmap(vertical, m_vertical.foreground, knob2.x, knob2.y, BLEND_ALPHA);
    BlitBitmap(painter, m_vertical.x, m_vertical.y, vertical);
}

void CGSensorGauge::BlendBitmap(QImage& background, const QImage& foreground, int x, int y, float alpha) {
    if (background.isNull() || foreground.isNull())
        return;
    QImage fore = foreground.convertToFormat(background.format());
    BlendBits(BitsOf(background), BitsOf(fore), x, y, alpha);
}

void CGSensorGauge::BlitBitmap(QPainter& painter, int x, int y, const QImage& bitmap) {
    painter.drawImage(x, y, bitmap);
}
