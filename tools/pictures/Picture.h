#pragma once
// Our own pictures: each is a name, a size, a format and a function that draws it.
// Later work adds its pictures in files of their own through PW_PICTURE.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

namespace pictures {

enum class Format { Png, Jpeg };

struct Picture {
    const char* set;  // which program's resources it belongs to
    const char* name; // resource name, "DUNMIR_BITMAP"
    int width;
    int height;
    Format format;
    std::function<void(QPainter&, int w, int h)> draw;
};

std::vector<Picture>& Registry();

struct Registrar {
    explicit Registrar(Picture p) { Registry().push_back(std::move(p)); }
};

// Drawing helpers for clean schematic pictures.
QFont Font(int px, bool bold = false);
void Board(QPainter& p, const QRect& r, const QColor& fill);
// A chip: its body, and its name written inside when it fits there at some size.
void Chip(QPainter& p, const QRect& r, const QString& label, const QColor& fill = QColor(40, 40, 48));
void ChipBody(QPainter& p, const QRect& r, const QColor& fill = QColor(40, 40, 48));
// Writes a chip's name in the box, across it or, in a tall box where it fits only so,
// turned a quarter to read upwards. False when it fits neither way and was left out.
bool ChipLabel(QPainter& p, const QRect& box, const QString& label);
// Whether ChipLabel writes the name in the box, one way or the other.
bool ChipLabelFits(const QRect& box, const QString& label);
// The box inside a chip's outline its name is written in.
QRect ChipInside(const QRect& r);
void Header(QPainter& p, const QRect& r, int cols, int rows);
// Writes the text in the box r, at px pixels or smaller where it would not fit there.
void Label(QPainter& p, const QRect& r, const QString& text, int px, const QColor& c = Qt::white,
           bool bold = false, int flags = Qt::AlignCenter);
// The smallest writing a label shrinks to.
inline constexpr int kSmallestPx = 6;
// Whether the text written at px pixels lies inside r (its glyphs' ink, as written).
bool Fits(const QRect& r, const QString& text, int px, bool bold = false, int flags = Qt::AlignCenter);
// The font Label writes with: the largest, from px down to kSmallestPx, whose writing
// lies inside r (kSmallestPx when none does).
QFont FittingFont(const QRect& r, const QString& text, int px, bool bold = false,
                  int flags = Qt::AlignCenter);

// Board parts, each filling its rectangle.
void Digits(QPainter& p, const QRect& r, int count);
void Leds(QPainter& p, const QRect& r, int count);
void Switches(QPainter& p, const QRect& r, int count);
void Keys(QPainter& p, const QRect& r, int count);

} // namespace pictures

#define PW_PICTURE_CAT2(a, b) a##b
#define PW_PICTURE_CAT(a, b) PW_PICTURE_CAT2(a, b)
#define PW_PICTURE(set, name, w, h, format, body)                                                            \
    static ::pictures::Registrar PW_PICTURE_CAT(pw_picture_, __COUNTER__)(                                   \
        ::pictures::Picture{set, name, w, h, format, body})
