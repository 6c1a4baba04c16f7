// The jumper drawing the Forvik form shows.
#include "Picture.h"

using namespace pictures;

namespace {

// Forvik's jumper JP3: four two-pin positions, one per HSMC voltage, under the form's
// frames (1.5 V, 1.8 V, 2.5 V, 3.3 V from the left), with the shunt on 2.5 V.
void DrawJumperJp3(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, QColor(235, 233, 237));
    Label(p, QRect(0, 4, w, 20), QStringLiteral("JP3"), 14, QColor(20, 20, 20), true);
    const char* const volts[] = {"1.5", "1.8", "2.5", "3.3"};
    for (int i = 0; i < 4; ++i) {
        const QRect pins(8 + i * 18, 36, 16, 38);
        Header(p, pins, 1, 2);
        if (i == 2) {
            p.setPen(QPen(QColor(20, 20, 20), 1));
            p.setBrush(QColor(30, 60, 160));
            p.drawRect(pins.adjusted(2, 2, -2, -2));
        }
        Label(p, QRect(pins.left() - 2, 22, 20, 12), QString::fromLatin1(volts[i]), 8, QColor(20, 20, 20));
    }
}

} // namespace

PW_PICTURE("pinwright", "FORVIK_JP3_BITMAP", 85, 85, Format::Png, DrawJumperJp3);
