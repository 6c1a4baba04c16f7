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
void Chip(QPainter& p, const QRect& r, const QString& label, const QColor& fill = QColor(40, 40, 48));
void Header(QPainter& p, const QRect& r, int cols, int rows);
void Label(QPainter& p, const QRect& r, const QString& text, int px, const QColor& c = Qt::white,
           bool bold = false, int flags = Qt::AlignCenter);

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
