// Placeholders for the vendor's and the maker's logos: simple shapes and text of our own.
// Each is as large as the smallest box a form shows it in (103 x 30 and 93 x 42), so that
// every form shows it whole.
#include "Picture.h"

using namespace pictures;

PW_PICTURE("pinwright", "VENDOR_LOGO", 103, 30, Format::Png, [](QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, QColor(235, 233, 237));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 84, 166));
    p.drawRoundedRect(QRectF(2, 2, 26, 26), 5, 5);
    Label(p, QRect(2, 2, 26, 26), QStringLiteral("F"), 20, Qt::white, true);
    Label(p, QRect(32, 0, w - 32, h), QStringLiteral("FPGA"), 18, QColor(0, 84, 166), true);
});

PW_PICTURE("pinwright", "MAKER_LOGO", 93, 42, Format::Png, [](QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, QColor(235, 233, 237));
    p.setPen(QPen(QColor(196, 30, 58), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4, 4, 34, 34));
    Label(p, QRect(4, 4, 34, 34), QStringLiteral("V"), 20, QColor(196, 30, 58), true);
    Label(p, QRect(40, 0, w - 40, h), QStringLiteral("Veltrax"), 13, QColor(60, 60, 60), true);
});

// A small solid picture with a known size and colour, for the decoder's own check.
PW_PICTURE("test", "TEST_JPEG", 40, 30, Format::Jpeg,
           [](QPainter& p, int w, int h) { p.fillRect(0, 0, w, h, QColor(200, 40, 40)); });

PW_PICTURE("test", "TEST_PNG", 16, 8, Format::Png,
           [](QPainter& p, int w, int h) { p.fillRect(0, 0, w, h, QColor(10, 200, 30)); });
