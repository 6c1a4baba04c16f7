// Our drawing of the Dunmir board (400 x 298), stored as JPEG. The peripherals sit
// where the board form's outline rectangles fall.
#include "Picture.h"

using namespace pictures;

namespace {

void VgaConnector(QPainter& p, const QRect& r) {
    p.setPen(QPen(QColor(20, 40, 90), 2));
    p.setBrush(QColor(40, 80, 170));
    p.drawRoundedRect(QRectF(r).adjusted(2, 2, -2, -2), 5, 5);
    p.setBrush(QColor(190, 190, 200));
    p.drawRoundedRect(QRectF(r.left() + 20, r.top() + 22, r.width() - 40, r.height() - 44), 4, 4);
    Label(p, r.adjusted(0, 0, 0, -4), QStringLiteral("VGA"), 11, Qt::white, true,
          Qt::AlignHCenter | Qt::AlignBottom);
}

} // namespace

PW_PICTURE("pinwright", "DUNMIR_BOARD", 400, 298, Format::Jpeg, [](QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, QColor(235, 233, 237));
    Board(p, QRect(0, 0, w, h), QColor(20, 110, 70));
    Header(p, QRect(79, 1, 229, 34), 20, 2); // 2x20 GPIO header
    Label(p, QRect(79, 35, 229, 12), QStringLiteral("GPIO"), 9);
    Header(p, QRect(95, 48, 188, 16), 16, 1);                                      // Arduino header, top
    Header(p, QRect(130, 225, 151, 15), 12, 1);                                    // Arduino header, bottom
    Chip(p, QRect(169, 67, 28, 21), QStringLiteral("G"));                          // accelerometer
    Chip(p, QRect(257, 78, 28, 26), QStringLiteral("50M"), QColor(180, 180, 185)); // oscillator
    Chip(p, QRect(41, 134, 89, 46), QStringLiteral("SDRAM"));
    Chip(p, QRect(150, 105, 85, 85), QStringLiteral("MAX 10"));
    VgaConnector(p, QRect(312, 34, 88, 111));
    Keys(p, QRect(337, 180, 32, 58), 2);
    Leds(p, QRect(192, 243, 177, 13), 10);
    Digits(p, QRect(12, 248, 181, 51), 6);
    Switches(p, QRect(193, 263, 178, 32), 10);
    Label(p, QRect(12, 70, 140, 20), QStringLiteral("Dunmir"), 16, Qt::white, true,
          Qt::AlignLeft | Qt::AlignVCenter);
});
