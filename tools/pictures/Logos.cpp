// Placeholders for the vendor's and the maker's logos: simple shapes and text of our own.
#include "Picture.h"

using namespace pictures;

PW_PICTURE("pinwright", "VENDOR_LOGO", 103, 50, Format::Png, [](QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, QColor(235, 233, 237));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 84, 166));
    p.drawRoundedRect(QRectF(2, 6, 38, 38), 6, 6);
    Label(p, QRect(2, 6, 38, 38), QStringLiteral("F"), 26, Qt::white, true);
    Label(p, QRect(44, 0, w - 44, h), QStringLiteral("FPGA"), 18, QColor(0, 84, 166), true);
});

PW_PICTURE("pinwright", "MAKER_LOGO", 93, 46, Format::Png, [](QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, QColor(235, 233, 237));
    p.setPen(QPen(QColor(196, 30, 58), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4, 6, 34, 34));
    Label(p, QRect(4, 6, 34, 34), QStringLiteral("V"), 20, QColor(196, 30, 58), true);
    Label(p, QRect(40, 0, w - 40, h), QStringLiteral("Veltrax"), 13, QColor(60, 60, 60), true);
});

// A small solid picture with a known size and colour, for the decoder's own check.
PW_PICTURE("test", "TEST_JPEG", 40, 30, Format::Jpeg,
           [](QPainter& p, int w, int h) { p.fillRect(0, 0, w, h, QColor(200, 40, 40)); });

PW_PICTURE("test", "TEST_PNG", 16, 8, Format::Png,
           [](QPainter& p, int w, int h) { p.fillRect(0, 0, w, h, QColor(10, 200, 30)); });
