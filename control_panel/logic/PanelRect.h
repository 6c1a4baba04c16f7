#pragma once
// A rectangle in a window's client pixels; right and bottom edges excluded.

struct PanelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const PanelRect&) const = default;
};

// The rectangle of width w and height h at (x, y).
constexpr PanelRect RectAt(int x, int y, int w, int h) {
    return PanelRect{x, y, x + w, y + h};
}
