#pragma once
// Whether the texts a widget or a picture draws show whole. Painting goes to a device
// that records every text drawn, with the clip in force and what is painted after it;
// each text is then rasterised alone, unclipped, and its ink (the pixels the glyphs
// really cover) is compared with where the painter let it show.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace testsupport {

struct DrawnText {
    QString text;
    QRect ink;         // bounding box of the whole text's ink, device pixels
    int inkPixels = 0; // pixels of that ink
    int clipped = 0;   // of them, outside the clip in force or outside the device
    int covered = 0;   // of them, under something painted afterwards
    QPoint firstLost;  // the first clipped or covered pixel
};

// Everything draw() paints on a device of the given size; covered counts are kept only
// when trackCover is set (a widget's own frame may be painted after its text).
std::vector<DrawnText> TextsDrawn(QSize size, const std::function<void(QPainter&)>& draw, bool trackCover);

// The texts the widget paints itself (its children not), in its own pixels.
std::vector<DrawnText> TextsOfWidget(QWidget& widget);

// Describes a text that does not show whole ("" when it does).
std::string TextFault(const DrawnText& t);

// Every visible label, check box, radio button, push button, group box and combo box of
// the form (the form itself included) shows its texts whole. least: the texts to judge
// at the least, so that a form whose texts vanish does not pass.
::testing::AssertionResult TextsShowWhole(QWidget& form, int least = 1);

} // namespace testsupport
