// The Lomar form's I/O-voltage jumper field: six jumper columns (HSMC-F, E, D on the upper row, C, B, A on
// the lower, one position per voltage step 8 pixels apart) under a row of two LEDs per connector.
#include "Picture.h"

using namespace pictures;

namespace {

void DrawVoltageField(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, QColor(22, 96, 70));
    // The LED row: two per connector, HSMC-A on the right.
    p.setPen(QPen(QColor(10, 40, 30), 1));
    p.setBrush(QColor(60, 70, 60));
    for (int i = 0; i < 6; ++i) {
        const int x1 = static_cast<int>(87.0f - static_cast<float>(i) * 2.0f * 7.61f);
        const int x2 = static_cast<int>(static_cast<float>(x1) - 7.61f);
        p.drawRect(x1, 6, 5, 12);
        p.drawRect(x2, 6, 5, 12);
    }
    // The jumper columns: five steps (1.5, 1.8, 2.5, 3.0, 3.3 V) per connector.
    const QPoint places[] = {{91, 72}, {63, 72}, {35, 72}, {91, 30}, {63, 30}, {35, 30}};
    p.setBrush(QColor(200, 170, 60));
    for (const QPoint& place : places)
        for (int step = 0; step < 5; ++step) {
            const int y = place.y() + 8 * step;
            if (y + 8 > h)
                break;
            p.drawEllipse(QRect(place.x() + 3, y + 2, 5, 5));
            p.drawEllipse(QRect(place.x() + 11, y + 2, 5, 5));
        }
    const char* const volts[] = {"1.5", "1.8", "2.5", "3.0", "3.3"};
    for (int step = 0; step < 5; ++step) {
        Label(p, QRect(2, 30 + 8 * step, 30, 8), QString::fromLatin1(volts[step]), 7, Qt::white);
        if (72 + 8 * step + 8 <= h)
            Label(p, QRect(2, 72 + 8 * step, 30, 8), QString::fromLatin1(volts[step]), 7, Qt::white);
    }
    p.setPen(QPen(QColor(10, 40, 30), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
}

void DrawJumper(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, QColor(30, 60, 160));
    p.setPen(QPen(QColor(10, 20, 60), 1));
    p.drawRect(0, 0, w - 1, h - 1);
}

void DrawLitLed(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, QColor(90, 255, 90));
    p.setPen(QPen(QColor(20, 120, 20), 1));
    p.drawRect(0, 0, w - 1, h - 1);
}

} // namespace

PW_PICTURE("pinwright", "LOMAR_VOL", 120, 111, Format::Png, DrawVoltageField);
PW_PICTURE("pinwright", "LOMAR_VOL_JUMPER", 18, 9, Format::Png, DrawJumper);
PW_PICTURE("pinwright", "LOMAR_VOL_LED_ON", 6, 13, Format::Png, DrawLitLed);
