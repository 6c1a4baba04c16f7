#pragma once
// Stored form layouts as data: one row per component with its name, kind, parent,
// position in pixels and caption, built into Qt widgets by BuildForm.

#include <cstdint>
#include <span>

namespace platform {

enum class Kind {
    Form,
    Panel,
    GroupBox,
    Label,
    Edit,
    CheckBox,
    ComboBox,
    Button,
    Picture,
    Shape,
    Bevel,
    PaintBox,
    ListBox
};

enum class PenStyle { Solid, Dotted };

inline constexpr int64_t kNoColor = -1;

// Everything beyond name, place and caption; rows set only what they need.
struct Style {
    const char* font = nullptr; // face name, "MS Sans Serif"
    int fontPx = 0;             // pixel height, 0 = inherited
    bool bold = false;
    int64_t color = kNoColor;     // background, as a 0x00BBGGRR colour
    int64_t fontColor = kNoColor; // text colour, 0x00BBGGRR
    int maxLength = 0;            // single-line edits: bytes of the text, 0 = no limit
    int64_t penColor = kNoColor;  // outline shapes
    int penWidth = 1;
    PenStyle penStyle = PenStyle::Solid;
    bool hidden = false;
    bool transparent = false; // pictures: draw over the parent
    bool autoSize = false;    // pictures: take the size of the picture
    bool handCursor = false;
    const char* picture = nullptr; // resource name of a picture
};

struct LayoutRow {
    const char* name;
    Kind kind;
    const char* parent; // nullptr: the form itself
    int x, y, w, h;
    const char* caption;
    Style style = {};
};

} // namespace platform
