#include "PageLook.h"

QFont PageFont(int pixels) {
    // "Arial" resolves to the family that stands in for it (platform/qt/StandInFonts.h).
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}
