#include "PageLook.h"

#include <QStringList>

QFont PageFont(int pixels) {
    QFont font;
    // Where "Arial" is missing, a font of its widths first, then a narrow sans font.
    font.setFamilies(QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                 QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}
