#include "PageLook.h"

#include <QCheckBox>
#include <QLabel>

QFont PageFont(int pixels) {
    // "Arial" resolves to the family that stands in for it (platform/qt/StandInFonts.h).
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

void FitLabels(QWidget* page) {
    for (QLabel* label : page->findChildren<QLabel*>()) {
        const int extra = label->fontMetrics().horizontalAdvance(label->text()) - label->width();
        if (extra <= 0)
            continue;
        QRect r = label->geometry();
        if (label->alignment() & Qt::AlignHCenter)
            r.adjust(-(extra + 1) / 2, 0, (extra + 1) / 2, 0);
        else if (label->alignment() & Qt::AlignRight)
            r.adjust(-extra, 0, 0, 0);
        else
            r.adjust(0, 0, extra, 0);
        label->setGeometry(r);
    }
    for (QCheckBox* box : page->findChildren<QCheckBox*>())
        if (box->sizeHint().width() > box->width())
            box->resize(box->sizeHint().width(), box->height());
}
