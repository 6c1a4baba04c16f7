#include "Picture.h"

#include "ChipNames.h"

#include <QImage>
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

void ChipBody(QPainter& p, const QRect& r, const QColor& fill) {
    p.setPen(QPen(fill.lighter(180), 1));
    p.setBrush(fill);
    p.drawRect(r);
}

namespace {

// A tall box turned a quarter, its height the line's length. A pixel is kept free on
// each side: turned glyphs may fall a pixel from where they fall upright.
QRect Turned(const QRect& box) {
    return QRect(0, 0, box.height(), box.width()).adjusted(1, 1, -1, -1);
}

bool FitsTurned(const QRect& box, const QString& label) {
    return box.height() > box.width() && Fits(Turned(box), label, kSmallestPx, false, Qt::AlignCenter);
}

} // namespace

bool ChipLabelFits(const QRect& box, const QString& label) {
    return label.isEmpty() || Fits(box, label, kSmallestPx, false, Qt::AlignCenter) || FitsTurned(box, label);
}

bool ChipLabel(QPainter& p, const QRect& box, const QString& label) {
    if (label.isEmpty())
        return true;
    ChipNames::Note(label);
    // As large as the box's height allows.
    if (Fits(box, label, kSmallestPx, false, Qt::AlignCenter)) {
        Label(p, box, label, qMax(8, qMin(box.height() / 3, 14)));
        return true;
    }
    if (!FitsTurned(box, label))
        return false;
    // Read upwards, as large as the box's width allows.
    const QRect turned = Turned(box);
    p.save();
    p.setClipRect(box, Qt::IntersectClip);
    p.translate(box.left(), box.bottom() + 1);
    p.rotate(-90);
    p.setFont(FittingFont(turned, label, qMax(8, qMin(box.width() / 3, 14))));
    p.setPen(Qt::white);
    p.drawText(turned, Qt::AlignCenter, label);
    p.restore();
    return true;
}

void Chip(QPainter& p, const QRect& r, const QString& label, const QColor& fill) {
    ChipBody(p, r, fill);
    ChipLabel(p, ChipInside(r), label);
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

namespace {

// The pixels the text covers when written into r, found by writing it: the glyphs' own
// ink, not the font's advance and line boxes.
QRect Ink(const QFont& font, const QRect& r, int flags, const QString& text) {
    const int margin = r.height() + 16;
    QImage image(r.size() + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter q(&image);
        q.setFont(font);
        q.setPen(Qt::black);
        q.drawText(QRect(QPoint(margin, margin), r.size()), flags | Qt::TextDontClip, text);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                ink |= QRect(x, y, 1, 1);
    return ink.translated(r.left() - margin, r.top() - margin);
}

} // namespace

bool Fits(const QRect& r, const QString& text, int px, bool bold, int flags) {
    return r.contains(Ink(Font(px, bold), r, flags, text));
}

QFont FittingFont(const QRect& r, const QString& text, int px, bool bold, int flags) {
    while (px > kSmallestPx && !Fits(r, text, px, bold, flags))
        --px;
    return Font(px, bold);
}

QRect ChipInside(const QRect& r) {
    return r.adjusted(2, 1, -2, -1);
}

void Label(QPainter& p, const QRect& r, const QString& text, int px, const QColor& c, bool bold, int flags) {
    p.save();
    // What does not fit is cut at the box, never written over its neighbours.
    p.setClipRect(r, Qt::IntersectClip);
    p.setFont(FittingFont(r, text, px, bold, flags));
    p.setPen(c);
    p.drawText(r, flags, text);
    p.restore();
}

void Digits(QPainter& p, const QRect& r, int count) {
    p.fillRect(r, QColor(25, 25, 25));
    const int w = r.width() / count;
    for (int i = 0; i < count; ++i) {
        QRect d(r.left() + i * w + 4, r.top() + 5, w - 8, r.height() - 10);
        p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(d.topLeft() + QPoint(3, 0), d.topRight() + QPoint(-3, 0));
        p.drawLine(d.topLeft() + QPoint(0, 3), QPoint(d.left(), d.center().y() - 2));
        p.drawLine(d.topRight() + QPoint(0, 3), QPoint(d.right(), d.center().y() - 2));
        p.drawLine(QPoint(d.left() + 3, d.center().y()), QPoint(d.right() - 3, d.center().y()));
        p.drawLine(QPoint(d.left(), d.center().y() + 2), d.bottomLeft() + QPoint(0, -3));
        p.drawLine(QPoint(d.right(), d.center().y() + 2), d.bottomRight() + QPoint(0, -3));
        p.drawLine(d.bottomLeft() + QPoint(3, 0), d.bottomRight() + QPoint(-3, 0));
    }
}

void Leds(QPainter& p, const QRect& r, int count) {
    const int step = r.width() / count;
    for (int i = 0; i < count; ++i) {
        p.setPen(QPen(QColor(120, 20, 20), 1));
        p.setBrush(QColor(230, 60, 60));
        p.drawRect(r.left() + i * step + 5, r.top() + 2, step - 10, r.height() - 4);
    }
}

void Switches(QPainter& p, const QRect& r, int count) {
    const int step = r.width() / count;
    for (int i = 0; i < count; ++i) {
        QRect s(r.left() + i * step + 4, r.top() + 2, step - 8, r.height() - 4);
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(45, 45, 45));
        p.drawRect(s);
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRect(s.left() + 2, s.top() + 2, s.width() - 4, s.height() / 2 - 2));
    }
}

void Keys(QPainter& p, const QRect& r, int count) {
    for (int i = 0; i < count; ++i) {
        QRect k(r.left() + 3, r.top() + 3 + i * (r.height() / count), r.width() - 6, r.height() / count - 6);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(k);
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(k.adjusted(6, 5, -6, -5));
    }
}

} // namespace pictures
