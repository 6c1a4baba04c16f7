// The control panel's main window and About box: the background with the board, the
// four-frame button pictures (normal, disabled, hover, pressed), the connect animation
// and the program's icon.
#include "Picture.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>

using namespace pictures;

namespace {

const QColor kPanel(22, 30, 44);
const QColor kPanelLight(38, 52, 74);
const QColor kAccent(0, 234, 255);
const QColor kPcb(18, 92, 60);

enum Frame { Normal, Disabled, Hover, Pressed };

// The fill of a button face in each of the four frames.
QColor Face(const QColor& base, int frame) {
    switch (frame) {
    case Disabled:
        return QColor(70, 74, 80);
    case Hover:
        return base.lighter(135);
    case Pressed:
        return base.darker(140);
    default:
        return base;
    }
}

// Draws the four frames of a button, one below the other, each frame w x h / 4.
template <class Body> void FourFrames(QPainter& p, int w, int h, Body body) {
    const int fh = h / 4;
    for (int f = 0; f < 4; ++f) {
        p.save();
        p.translate(0, f * fh);
        p.setClipRect(0, 0, w, fh);
        body(p, f, QRectF(0, 0, w, fh));
        p.restore();
    }
}

void RoundFace(QPainter& p, const QRectF& r, const QColor& fill, int frame, qreal radius) {
    QRectF face = r.adjusted(1, 1, -1, -1);
    if (frame == Pressed)
        face.translate(0.5, 0.5);
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0, fill.lighter(125));
    g.setColorAt(1, fill.darker(115));
    p.setPen(QPen(frame == Disabled ? QColor(95, 98, 104) : fill.lighter(170), 1));
    p.setBrush(g);
    p.drawRoundedRect(face, radius, radius);
}

QColor Glyph(int frame) {
    return frame == Disabled ? QColor(140, 140, 140) : QColor(235, 245, 255);
}

// A top-bar button, 37 x 12 per frame, with a small glyph.
template <class GlyphFn> void TopButton(QPainter& p, int w, int h, const QColor& base, GlyphFn glyph) {
    FourFrames(p, w, h, [&](QPainter& q, int f, const QRectF& r) {
        RoundFace(q, r, Face(base, f), f, 4);
        q.setPen(QPen(Glyph(f), 1.6, Qt::SolidLine, Qt::RoundCap));
        q.setBrush(Qt::NoBrush);
        glyph(q, r.center());
    });
}

// The connect button, 79 x 77 per frame: a round button with a plug; the ring shows
// whether the board is connected.
void ConnectButton(QPainter& p, int w, int h, bool connected) {
    FourFrames(p, w, h, [&](QPainter& q, int f, const QRectF& r) {
        const QColor ring = f == Disabled ? QColor(90, 94, 100)
                            : connected   ? QColor(40, 220, 90)
                                          : QColor(230, 70, 60);
        QPointF c = r.center() + (f == Pressed ? QPointF(1, 1) : QPointF());
        QRadialGradient g(c - QPointF(8, 10), 40);
        g.setColorAt(0, Face(kPanelLight, f).lighter(150));
        g.setColorAt(1, Face(kPanelLight, f));
        q.setBrush(g);
        q.setPen(QPen(ring, 4));
        q.drawEllipse(c, 32, 32);
        // The plug: a body, two pins and a cable.
        QColor ink = Glyph(f);
        q.setPen(Qt::NoPen);
        q.setBrush(ink);
        q.drawRoundedRect(QRectF(c.x() - 9, c.y() - 6, 18, 14), 3, 3);
        q.drawRect(QRectF(c.x() - 6, c.y() - 14, 3, 8));
        q.drawRect(QRectF(c.x() + 3, c.y() - 14, 3, 8));
        q.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
        q.setBrush(Qt::NoBrush);
        QPainterPath cable(QPointF(c.x(), c.y() + 8));
        cable.cubicTo(c.x(), c.y() + 18, c.x() + 14, c.y() + 14, c.x() + 14, c.y() + 24);
        q.drawPath(cable);
        if (connected && f != Disabled) {
            q.setPen(QPen(ring, 2));
            q.drawArc(QRectF(c.x() - 22, c.y() - 22, 44, 44), 30 * 16, 120 * 16);
        }
    });
}

// The peripherals of the board picture, placed where the page markers fall.
void LedRow(QPainter& p, const QRect& r) {
    for (int i = 0; i < 10; ++i) {
        QRectF led(r.left() + 4 + i * 13.4, r.top() + 3, 8, 8);
        p.setPen(QPen(QColor(120, 20, 20), 1));
        p.setBrush(QColor(200, 40, 40));
        p.drawRect(led);
    }
}

void SevenSegments(QPainter& p, const QRect& r) {
    p.fillRect(r, QColor(20, 20, 22));
    const qreal dw = r.width() / 6.0;
    for (int d = 0; d < 6; ++d) {
        QRectF cell(r.left() + d * dw + 4, r.top() + 5, dw - 8, r.height() - 10);
        p.setPen(QPen(QColor(150, 30, 30), 2.2, Qt::SolidLine, Qt::FlatCap));
        const qreal l = cell.left(), t = cell.top(), rr = cell.right(), b = cell.bottom();
        const qreal m = (t + b) / 2;
        p.drawLine(QPointF(l + 2, t), QPointF(rr - 2, t));
        p.drawLine(QPointF(l + 2, m), QPointF(rr - 2, m));
        p.drawLine(QPointF(l + 2, b), QPointF(rr - 2, b));
        p.drawLine(QPointF(l, t + 2), QPointF(l, m - 2));
        p.drawLine(QPointF(rr, t + 2), QPointF(rr, m - 2));
        p.drawLine(QPointF(l, m + 2), QPointF(l, b - 2));
        p.drawLine(QPointF(rr, m + 2), QPointF(rr, b - 2));
    }
}

void SlideSwitches(QPainter& p, const QRect& r) {
    for (int i = 0; i < 10; ++i) {
        QRectF body(r.left() + 3 + i * 13.4, r.top() + 4, 9, r.height() - 8);
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(QColor(50, 50, 56));
        p.drawRect(body);
        p.setBrush(QColor(220, 220, 220));
        p.drawRect(QRectF(body.left() + 1.5, body.bottom() - 8, 6, 6));
    }
}

void PushButtons(QPainter& p, const QRect& r) {
    for (int i = 0; i < 2; ++i) {
        QRectF key(r.left() + 2, r.top() + 3 + i * 22, r.width() - 4, 18);
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(QColor(200, 200, 196));
        p.drawRect(key);
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(key.center(), 5, 5);
    }
}

void VgaConnector(QPainter& p, const QRect& r) {
    p.setPen(QPen(QColor(120, 120, 130), 1));
    p.setBrush(QColor(170, 172, 180));
    p.drawRect(r.adjusted(2, 2, -2, -2));
    QRectF shell(r.left() + 10, r.top() + 20, r.width() - 20, r.height() - 40);
    p.setBrush(QColor(40, 60, 150));
    p.drawRoundedRect(shell, 6, 6);
    p.setBrush(QColor(20, 20, 20));
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(shell.left() + 10 + i * 7.5, shell.top() + 12 + row * 11), 2, 2);
    Label(p, QRect(r.left(), r.bottom() - 16, r.width(), 14), QStringLiteral("VGA"), 9);
}

void Background(QPainter& p, int w, int h) {
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(14, 20, 32));
    sky.setColorAt(1, kPanel);
    p.fillRect(0, 0, w, h, sky);

    // Top bar.
    p.fillRect(0, 0, w, 48, QColor(10, 14, 22));
    p.setPen(QPen(kAccent.darker(150), 1));
    p.drawLine(0, 48, w, 48);

    // The board.
    QRect board(196, 54, 364, 224);
    Board(p, board, kPcb);
    Chip(p, QRect(356, 120, 70, 70), QStringLiteral("MAX 10"));
    Chip(p, QRect(231, 143, 68, 33), QStringLiteral("SDRAM"));
    Chip(p, QRect(328, 90, 23, 15), QString(), QColor(30, 30, 30));
    Label(p, QRect(300, 74, 80, 14), QStringLiteral("G-Sensor"), 9);
    VgaConnector(p, QRect(437, 62, 69, 87));
    LedRow(p, QRect(346, 224, 138, 14));
    SevenSegments(p, QRect(209, 230, 138, 37));
    SlideSwitches(p, QRect(346, 239, 138, 27));
    PushButtons(p, QRect(461, 176, 22, 45));
    Header(p, QRect(524, 70, 20, 196), 2, 20);
    Header(p, QRect(210, 66, 96, 12), 8, 1);
    Label(p, QRect(210, 190, 100, 16), QStringLiteral("DUNMIR"), 12, QColor(220, 240, 220), true);

    // Left column: program name, connect area with the status line. The area's frame goes
    // round the status box (32, 519)-(124, 541) and ends short of the connect button's ring.
    Label(p, QRect(8, 60, 180, 40), QStringLiteral("Lumastat"), 26, kAccent, true);
    Label(p, QRect(8, 100, 180, 20), QStringLiteral("Board Control Panel"), 12, QColor(170, 190, 210));
    p.setPen(QPen(kPanelLight, 1));
    p.setBrush(QColor(16, 24, 36));
    p.drawRoundedRect(QRectF(4.5, 492.5, 123, 98), 6, 6);
    Label(p, QRect(12, 496, 100, 18), QStringLiteral("Status"), 12, QColor(170, 190, 210));
    p.setPen(QPen(QColor(60, 76, 100), 1));
    p.setBrush(QColor(6, 10, 16));
    p.drawRect(QRectF(31.5, 518.5, 93, 23));

    // The pages' area.
    p.setPen(QPen(kPanelLight, 1));
    p.setBrush(QColor(16, 24, 36));
    p.drawRoundedRect(QRectF(199.5, 283.5, 396, 306), 6, 6);
}

// One frame of the connect animation: a computer and the board joined by a cable along
// which a pulse travels.
void ConnectFrame(QPainter& p, int w, int h, int frame, int frames) {
    p.fillRect(0, 0, w, h, QColor(16, 24, 36));
    // Computer.
    QRectF screen(34, 86, 100, 72);
    p.setPen(QPen(QColor(150, 170, 200), 2));
    p.setBrush(QColor(30, 44, 66));
    p.drawRoundedRect(screen, 4, 4);
    p.drawLine(QPointF(84, 158), QPointF(84, 172));
    p.drawLine(QPointF(62, 174), QPointF(106, 174));
    // Board.
    Board(p, QRect(252, 96, 104, 70), kPcb);
    Chip(p, QRect(286, 114, 34, 34), QString());
    // Cable.
    QPainterPath cable(QPointF(134, 122));
    cable.cubicTo(190, 122, 200, 131, 252, 131);
    p.setPen(QPen(QColor(90, 100, 120), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);
    // The pulse and its trail.
    for (int k = 0; k < 4; ++k) {
        qreal t = std::fmod(double(frame) / frames + 1.0 - k * 0.06, 1.0);
        QColor c = kAccent;
        c.setAlpha(255 - k * 60);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(cable.pointAtPercent(t), 5 - k, 5 - k);
    }
    // Activity dots below. No words: a stopped frame stays on the screen after a connect
    // that failed, and the status line tells what happened.
    for (int i = 0; i < frames / 2; ++i) {
        p.setBrush(i == frame % (frames / 2) ? kAccent : QColor(60, 76, 100));
        p.drawEllipse(QPointF(w / 2.0 - 50 + i * 20, 216), 4, 4);
    }
}

constexpr int kAnimationFrames = 12;

} // namespace

PW_PICTURE("lumastat", "BITMAP_169", 620, 600, Format::Png, Background);

PW_PICTURE("lumastat", "BITMAP_171", 37, 48, Format::Png, [](QPainter& p, int w, int h) {
    TopButton(p, w, h, QColor(40, 90, 150), [](QPainter& q, QPointF c) {
        q.drawLine(c + QPointF(0, -1), c + QPointF(0, 3));
        q.drawPoint(c + QPointF(0, -3.5));
    });
});

PW_PICTURE("lumastat", "BITMAP_172", 37, 48, Format::Png, [](QPainter& p, int w, int h) {
    TopButton(p, w, h, QColor(170, 50, 50), [](QPainter& q, QPointF c) {
        q.drawLine(c + QPointF(-3, -3), c + QPointF(3, 3));
        q.drawLine(c + QPointF(-3, 3), c + QPointF(3, -3));
    });
});

PW_PICTURE("lumastat", "BITMAP_173", 37, 48, Format::Png, [](QPainter& p, int w, int h) {
    TopButton(p, w, h, QColor(40, 90, 150),
              [](QPainter& q, QPointF c) { q.drawLine(c + QPointF(-4, 3), c + QPointF(4, 3)); });
});

PW_PICTURE("lumastat", "BITMAP_174", 79, 308, Format::Png,
           [](QPainter& p, int w, int h) { ConnectButton(p, w, h, false); });

PW_PICTURE("lumastat", "BITMAP_199", 79, 308, Format::Png,
           [](QPainter& p, int w, int h) { ConnectButton(p, w, h, true); });

// The tabs; their captions are drawn by the program.
PW_PICTURE("lumastat", "BITMAP_175", 93, 152, Format::Png, [](QPainter& p, int w, int h) {
    FourFrames(p, w, h, [](QPainter& q, int f, const QRectF& r) {
        RoundFace(q, r.adjusted(1, 2, -1, -2), Face(QColor(32, 70, 118), f), f, 6);
    });
});

PW_PICTURE("lumastat", "BITMAP_196", 380, 380, Format::Png, [](QPainter& p, int w, int h) {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(14, 20, 32));
    g.setColorAt(1, QColor(28, 44, 70));
    p.fillRect(0, 0, w, h, g);
    Board(p, QRect(40, 36, 300, 180), kPcb);
    Chip(p, QRect(150, 86, 80, 80), QStringLiteral("MAX 10"));
    Header(p, QRect(300, 50, 20, 150), 2, 12);
    Label(p, QRect(0, 226, w, 40), QStringLiteral("Board Control Panel"), 20, kAccent, true);
    p.setPen(QPen(kAccent.darker(160), 1));
    p.drawLine(40, 272, 340, 272);
});

PW_PICTURE("lumastat", "BITMAP_178", 64, 68, Format::Png, [](QPainter& p, int w, int h) {
    FourFrames(p, w, h, [](QPainter& q, int f, const QRectF& r) {
        RoundFace(q, r, Face(QColor(32, 70, 118), f), f, 5);
    });
});

PW_PICTURE("lumastat", "ICON_128", 32, 32, Format::Png, [](QPainter& p, int w, int h) {
    p.setPen(Qt::NoPen);
    p.setBrush(kPanel);
    p.drawRoundedRect(QRectF(0, 0, w, h), 6, 6);
    Board(p, QRect(4, 8, 24, 16), kPcb);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(16, 16), 4, 4);
});

// The connect animation, one picture per frame.
static const bool kAnimationRegistered = [] {
    static std::vector<QByteArray> names;
    for (int f = 0; f < kAnimationFrames; ++f)
        names.push_back(QStringLiteral("AVI_128_%1").arg(f, 2, 10, QLatin1Char('0')).toLatin1());
    for (int f = 0; f < kAnimationFrames; ++f)
        Registry().push_back(
            Picture{"lumastat", names[f].constData(), 387, 296, Format::Png,
                    [f](QPainter& p, int w, int h) { ConnectFrame(p, w, h, f, kAnimationFrames); }});
    return true;
}();
