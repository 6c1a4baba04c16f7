#include "Picture.h"

#include <QPainterPath>

namespace pictures {

std::vector<Picture>& Registry() {
    static std::vector<Picture> all;
    return all;
}

QFont Font(int px, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

void Board(QPainter& p, const QRect& r, const QColor& fill) {
    p.setPen(QPen(fill.darker(160), 2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), 8, 8);
    // Mounting holes in the corners.
    p.setBrush(QColor(230, 230, 230));
    p.setPen(QPen(QColor(160, 160, 160), 1));
    const int d = 8;
    for (QPoint c : {r.topLeft() + QPoint(8, 8), r.topRight() + QPoint(-8 - d, 8),
                     r.bottomLeft() + QPoint(8, -8 - d), r.bottomRight() + QPoint(-8 - d, -8 - d)})
        p.drawEllipse(QRect(c, QSize(d, d)));
}

void Chip(QPainter& p, const QRect& r, const QString& label, const QColor& fill) {
    p.setPen(QPen(fill.lighter(180), 1));
    p.setBrush(fill);
    p.drawRect(r);
    Label(p, r, label, qMax(8, qMin(r.height() / 3, 14)));
}

void Header(QPainter& p, const QRect& r, int cols, int rows) {
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(35, 35, 35));
    p.drawRect(r);
    const double cw = double(r.width()) / cols, rh = double(r.height()) / rows;
    p.setBrush(QColor(212, 175, 55));
    p.setPen(Qt::NoPen);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < cols; ++x) {
            double s = qMin(cw, rh) * 0.45;
            p.drawRect(QRectF(r.left() + x * cw + (cw - s) / 2, r.top() + y * rh + (rh - s) / 2, s, s));
        }
}

void Label(QPainter& p, const QRect& r, const QString& text, int px, const QColor& c, bool bold, int flags) {
    p.setFont(Font(px, bold));
    p.setPen(c);
    p.drawText(r, flags, text);
}

} // namespace pictures
