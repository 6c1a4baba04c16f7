// The control panel's device pages: page backgrounds, LEDs, digits, arrows, keys,
// switches, button faces, the status icon and the accelerometer gauge. Button bitmaps
// hold four frames stacked vertically: normal, disabled, hover, pressed.
#include "Picture.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

using namespace pictures;

namespace {

const QColor kPageFill(14, 22, 38);
const QColor kPageEdge(40, 110, 170);
const QColor kCyan(0, 234, 255);

void PageBackground(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, kPageFill);
    p.setPen(QPen(kPageEdge, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 10, 10);
}

// One frame band of a four-frame bitmap.
QRect Frame(int w, int h, int f) {
    const int fh = h / 4;
    return QRect(0, f * fh, w, fh);
}

void ButtonFace(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom, const QColor& edge) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(edge, 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

void ButtonFaces(QPainter& p, int w, int h) {
    const QColor tops[] = {QColor(40, 90, 150), QColor(70, 70, 70), QColor(60, 130, 200), QColor(20, 50, 90)};
    const QColor bottoms[] = {QColor(16, 40, 80), QColor(40, 40, 40), QColor(24, 70, 120),
                              QColor(30, 70, 120)};
    const QColor edges[] = {kPageEdge, QColor(90, 90, 90), kCyan, kCyan};
    for (int f = 0; f < 4; ++f)
        ButtonFace(p, Frame(w, h, f), tops[f], bottoms[f], edges[f]);
}

void Led(QPainter& p, const QRect& frame, const QColor& body) {
    const QRectF r(frame.x() + 4, frame.y() + 3, frame.width() - 8, frame.height() - 6);
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + r.width() / 2);
    path.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, body.lighter(150));
    g.setColorAt(1, body.darker(130));
    p.setPen(QPen(body.darker(200), 1));
    p.setBrush(g);
    p.drawPath(path);
    p.setPen(QPen(QColor(160, 160, 160), 2));
    p.drawLine(QPointF(r.left() + 3, r.bottom()), QPointF(r.left() + 3, frame.bottom() + 1));
    p.drawLine(QPointF(r.right() - 3, r.bottom()), QPointF(r.right() - 3, frame.bottom() + 1));
}

const QColor kLedRed(235, 30, 30);
const QColor kLedDark(70, 40, 40);
const QColor kLedPale(120, 90, 90);

void Leds(QPainter& p, int w, int h, const QColor (&frames)[4]) {
    for (int f = 0; f < 4; ++f)
        Led(p, Frame(w, h, f), frames[f]);
}

void LitLeds(QPainter& p, int w, int h) {
    const QColor frames[4] = {kLedRed, kLedDark, kLedRed, kLedPale};
    Leds(p, w, h, frames);
}

void UnlitLeds(QPainter& p, int w, int h) {
    const QColor frames[4] = {kLedPale, kLedDark, kLedPale, kLedRed};
    Leds(p, w, h, frames);
}

void Arrow(QPainter& p, int w, int h, bool right) {
    const QColor fills[] = {kCyan, QColor(100, 100, 100), QColor(160, 250, 255), QColor(255, 234, 0)};
    for (int f = 0; f < 4; ++f) {
        const QRectF r = QRectF(Frame(w, h, f)).adjusted(4, 3, -4, -3);
        QPolygonF tri;
        if (right)
            tri << r.topLeft() << QPointF(r.right(), r.center().y()) << r.bottomLeft();
        else
            tri << r.topRight() << QPointF(r.left(), r.center().y()) << r.bottomRight();
        p.setPen(Qt::NoPen);
        p.setBrush(fills[f]);
        p.drawPolygon(tri);
    }
}

// Segments a..g of the digits 0..F.
constexpr const char* kSegments[16] = {"abcdef", "bc",    "abdeg",   "abcdg",  "bcfg",   "acdfg",
                                       "acdefg", "abc",   "abcdefg", "abcdfg", "abcefg", "cdefg",
                                       "adef",   "bcdeg", "adefg",   "aefg"};

void SevenSegment(QPainter& p, int w, int h, int value) {
    p.fillRect(0, 0, w, h, QColor(10, 10, 10));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    const double x0 = 9, x1 = w - 9, y0 = 6, y1 = h / 2.0, y2 = h - 6, t = 5;
    struct Seg {
        char name;
        QLineF line;
    } segs[] = {
        {'a', QLineF(x0 + 2, y0, x1 - 2, y0)}, {'b', QLineF(x1, y0 + 2, x1, y1 - 2)},
        {'c', QLineF(x1, y1 + 2, x1, y2 - 2)}, {'d', QLineF(x0 + 2, y2, x1 - 2, y2)},
        {'e', QLineF(x0, y1 + 2, x0, y2 - 2)}, {'f', QLineF(x0, y0 + 2, x0, y1 - 2)},
        {'g', QLineF(x0 + 2, y1, x1 - 2, y1)},
    };
    const QString on = QString::fromLatin1(kSegments[value]);
    for (const Seg& s : segs) {
        const bool lit = on.contains(QLatin1Char(s.name));
        p.setPen(QPen(lit ? QColor(255, 40, 30) : QColor(45, 20, 20), t, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(s.line);
    }
}

void Key(QPainter& p, int w, int h, bool pressed) {
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(45, 45, 50));
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 5, 5);
    const double inset = pressed ? 10 : 7;
    QRadialGradient g(QPointF(w / 2.0 - 3, h / 2.0 - 3), w / 2.0);
    g.setColorAt(0, pressed ? QColor(60, 60, 60) : QColor(140, 140, 150));
    g.setColorAt(1, pressed ? QColor(20, 20, 20) : QColor(60, 60, 70));
    p.setPen(QPen(pressed ? kCyan : QColor(30, 30, 30), pressed ? 2 : 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(inset, inset, w - 2 * inset, h - 2 * inset));
}

void SlideSwitch(QPainter& p, int w, int h, bool up) {
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(30, 30, 34));
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 3, 3);
    const QRectF lever(4, up ? 5 : h - 5 - 24, w - 8, 24);
    QLinearGradient g(lever.topLeft(), lever.bottomLeft());
    g.setColorAt(0, QColor(235, 235, 235));
    g.setColorAt(1, QColor(150, 150, 150));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(g);
    p.drawRect(lever);
}

void Tube(QPainter& p, int w, int h) {
    const bool across = w > h;
    p.fillRect(0, 0, w, h, kPageFill);
    p.setPen(QPen(QColor(120, 160, 190), 1));
    QLinearGradient g(0, 0, across ? 0 : w, across ? h : 0);
    g.setColorAt(0, QColor(60, 90, 70));
    g.setColorAt(0.5, QColor(110, 160, 120));
    g.setColorAt(1, QColor(50, 80, 60));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 11, 11);
    // Marks around the middle, where the knob rests.
    p.setPen(QPen(QColor(20, 30, 20), 1));
    const int mid = (across ? w : h) / 2;
    for (int d : {-14, 14}) {
        if (across)
            p.drawLine(mid + d, 3, mid + d, h - 4);
        else
            p.drawLine(3, mid + d, w - 4, mid + d);
    }
}

void Ball(QPainter& p, int w, int h, const QColor& colour) {
    p.fillRect(0, 0, w, h, Qt::black);
    QRadialGradient g(QPointF(w / 2.0 - 2, h / 2.0 - 2), w / 2.0);
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(1, 1, w - 2, h - 2));
}

} // namespace

PW_PICTURE("lumastat", "BITMAP_176", 387, 296, Format::Png, PageBackground);

PW_PICTURE("lumastat", "BITMAP_181", 387, 296, Format::Png, [](QPainter& p, int w, int h) {
    PageBackground(p, w, h);
    // Separators between random access, sequential write and sequential read.
    p.setPen(QPen(kPageEdge.darker(140), 1, Qt::DashLine));
    for (int y : {110, 187})
        p.drawLine(14, y, w - 14, y);
});

PW_PICTURE("lumastat", "BITMAP_177", 22, 144, Format::Png, LitLeds);
PW_PICTURE("lumastat", "BITMAP_180", 22, 144, Format::Png, UnlitLeds);

PW_PICTURE("lumastat", "BITMAP_208", 161, 57, Format::Png, ButtonFaces);

PW_PICTURE("lumastat", "BITMAP_201", 20, 68, Format::Png,
           [](QPainter& p, int w, int h) { Arrow(p, w, h, true); });
PW_PICTURE("lumastat", "BITMAP_202", 20, 68, Format::Png,
           [](QPainter& p, int w, int h) { Arrow(p, w, h, false); });

#define PW_DIGIT(id, value)                                                                                  \
    PW_PICTURE("lumastat", "BITMAP_" #id, 40, 59, Format::Png,                                               \
               [](QPainter& p, int w, int h) { SevenSegment(p, w, h, value); })
PW_DIGIT(132, 0);
PW_DIGIT(133, 1);
PW_DIGIT(134, 2);
PW_DIGIT(135, 3);
PW_DIGIT(136, 4);
PW_DIGIT(137, 5);
PW_DIGIT(138, 6);
PW_DIGIT(155, 7);
PW_DIGIT(101, 8);
PW_DIGIT(157, 9);
PW_DIGIT(203, 10);
PW_DIGIT(139, 11);
PW_DIGIT(140, 12);
PW_DIGIT(141, 13);
PW_DIGIT(142, 14);
PW_DIGIT(143, 15);

PW_PICTURE("lumastat", "BITMAP_129", 44, 44, Format::Png,
           [](QPainter& p, int w, int h) { Key(p, w, h, false); });
PW_PICTURE("lumastat", "BITMAP_130", 44, 44, Format::Png,
           [](QPainter& p, int w, int h) { Key(p, w, h, true); });
PW_PICTURE("lumastat", "BITMAP_163", 19, 63, Format::Png,
           [](QPainter& p, int w, int h) { SlideSwitch(p, w, h, false); });
PW_PICTURE("lumastat", "BITMAP_164", 19, 63, Format::Png,
           [](QPainter& p, int w, int h) { SlideSwitch(p, w, h, true); });

// The status line's icon: a small round lamp.
PW_PICTURE("lumastat", "BITMAP_206", 15, 13, Format::Png, [](QPainter& p, int w, int h) {
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.setBrush(kCyan);
    p.drawEllipse(QRectF(2.5, 1.5, w - 5, h - 3));
});

// The gauge: a circular level and two tubes; bubble and knobs on black, which the
// blending leaves transparent.
PW_PICTURE("lumastat", "BITMAP_191", 140, 141, Format::Png, [](QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, kPageFill);
    QRadialGradient g(QPointF(w / 2.0, h / 2.0), w / 2.0);
    g.setColorAt(0, QColor(110, 160, 120));
    g.setColorAt(1, QColor(40, 70, 50));
    p.setPen(QPen(QColor(120, 160, 190), 2));
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 2, w - 4, h - 4));
    p.setPen(QPen(QColor(20, 30, 20), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(w / 2.0, w / 2.0), 16, 16);
    p.drawEllipse(QPointF(w / 2.0, w / 2.0), 40, 40);
    p.drawLine(QPointF(w / 2.0, 10), QPointF(w / 2.0, h - 10));
    p.drawLine(QPointF(10, w / 2.0), QPointF(w - 10, w / 2.0));
});
PW_PICTURE("lumastat", "BITMAP_185", 20, 19, Format::Png,
           [](QPainter& p, int w, int h) { Ball(p, w, h, QColor(40, 200, 255)); });
PW_PICTURE("lumastat", "BITMAP_189", 195, 25, Format::Png, Tube);
PW_PICTURE("lumastat", "BITMAP_190", 25, 194, Format::Png, Tube);
PW_PICTURE("lumastat", "BITMAP_183", 20, 19, Format::Png,
           [](QPainter& p, int w, int h) { Ball(p, w, h, QColor(255, 200, 0)); });
PW_PICTURE("lumastat", "BITMAP_187", 20, 19, Format::Png,
           [](QPainter& p, int w, int h) { Ball(p, w, h, QColor(255, 200, 0)); });
