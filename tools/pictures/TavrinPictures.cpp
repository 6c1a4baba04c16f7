// The Tavrin form's digit blocks.
#include "Picture.h"

using namespace pictures;

// Tavrin's digit block: four digits, or two when a GPIO card takes the upper ones.
PW_PICTURE("pinwright", "TAVRIN_HEX_x4_BITMAP", 135, 60, Format::Png, [](QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, QColor(235, 233, 237));
    Digits(p, QRect(2, 4, w - 4, h - 8), 4);
});
PW_PICTURE("pinwright", "TAVRIN_HEX_x2_BITMAP", 135, 60, Format::Png, [](QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, QColor(235, 233, 237));
    Digits(p, QRect(w / 2, 4, w / 2 - 2, h - 8), 2);
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
    p.drawRect(QRect(2, 4, w / 2 - 6, h - 9));
});
