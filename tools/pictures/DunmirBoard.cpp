// Our drawing of the Dunmir board (400 x 298), stored as JPEG. The peripherals sit
// where the board form's outline rectangles fall.
#include "Picture.h"

using namespace pictures;

namespace {

void Digits(QPainter& p, const QRect& r) {
    p.fillRect(r, QColor(25, 25, 25));
    const int w = r.width() / 6;
    for (int i = 0; i < 6; ++i) {
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

void Leds(QPainter& p, const QRect& r) {
    const int step = r.width() / 10;
    for (int i = 0; i < 10; ++i) {
        p.setPen(QPen(QColor(120, 20, 20), 1));
        p.setBrush(QColor(230, 60, 60));
        p.drawRect(r.left() + i * step + 5, r.top() + 2, step - 10, r.height() - 4);
    }
}

void Switches(QPainter& p, const QRect& r) {
    const int step = r.width() / 10;
    for (int i = 0; i < 10; ++i) {
        QRect s(r.left() + i * step + 4, r.top() + 2, step - 8, r.height() - 4);
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(45, 45, 45));
        p.drawRect(s);
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRect(s.left() + 2, s.top() + 2, s.width() - 4, s.height() / 2 - 2));
    }
}

void Keys(QPainter& p, const QRect& r) {
    for (int i = 0; i < 2; ++i) {
        QRect k(r.left() + 3, r.top() + 3 + i * (r.height() / 2), r.width() - 6, r.height() / 2 - 6);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(k);
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(k.adjusted(6, 5, -6, -5));
    }
}

void VgaConnector(QPainter& p, const QRect& r) {
    p.setPen(QPen(QColor(20, 40, 90), 2));
    p.setBrush(QColor(40, 80, 170));
    p.drawRoundedRect(QRectF(r).adjusted(2, 2, -2, -2), 5, 5);
    p.setBrush(QColor(190, 190, 200));
    p.drawRoundedRect(QRectF(r.left() + 20, r.top() + 22, r.width() - 40, r.height() - 44), 4, 4);
    Label(p, r.adjusted(0, 0, 0, -4), QStringLiteral("VGA"), 11, Qt::white, true, Qt::AlignHCenter | Qt::AlignBottom);
}

} // namespace

PW_PICTURE("pinwright", "DUNMIR_BOARD", 400, 298, Format::Jpeg, [](QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, QColor(235, 233, 237));
    Board(p, QRect(0, 0, w, h), QColor(20, 110, 70));
    Header(p, QRect(79, 1, 229, 34), 20, 2);                 // 2x20 GPIO header
    Label(p, QRect(79, 35, 229, 12), QStringLiteral("GPIO"), 9);
    Header(p, QRect(95, 48, 188, 16), 16, 1);                // Arduino header, top
    Header(p, QRect(130, 225, 151, 15), 12, 1);              // Arduino header, bottom
    Chip(p, QRect(169, 67, 28, 21), QStringLiteral("G"));    // accelerometer
    Chip(p, QRect(257, 78, 28, 26), QStringLiteral("50M"), QColor(180, 180, 185)); // oscillator
    Chip(p, QRect(41, 134, 89, 46), QStringLiteral("SDRAM"));
    Chip(p, QRect(150, 105, 85, 85), QStringLiteral("MAX 10"));
    VgaConnector(p, QRect(312, 34, 88, 111));
    Keys(p, QRect(337, 180, 32, 58));
    Leds(p, QRect(192, 243, 177, 13));
    Digits(p, QRect(12, 248, 181, 51));
    Switches(p, QRect(193, 263, 178, 32));
    Label(p, QRect(12, 70, 140, 20), QStringLiteral("Dunmir"), 16, Qt::white, true, Qt::AlignLeft | Qt::AlignVCenter);
});
