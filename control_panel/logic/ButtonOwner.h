#pragma once
// What a bar of bitmap buttons needs of the window it lives on, and of the surface it
// paints on. The Qt widgets implement both; tests record them.

#include "PanelRect.h"

#include <cstdint>
#include <string>

class CButtonOwner {
public:
    virtual ~CButtonOwner() = default;

    // Size of a picture of the program's resources; false when it cannot be loaded.
    virtual bool LoadBitmap(int resourceId, int& width, int& height) = 0;
    // Marks the rectangle for repainting, without erasing the background.
    virtual void Invalidate(const PanelRect& rect) = 0;
    // Repaints what is marked before returning.
    virtual void Update() = 0;
    // The window follows the pointer while it is over a button, so that it hears when
    // the pointer leaves.
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
};

class CButtonCanvas {
public:
    virtual ~CButtonCanvas() = default;

    // Copies the band of the picture from row srcTop, width x height, to (x, y).
    virtual void DrawBitmap(int resourceId, int srcTop, int width, int height, int x, int y) = 0;
    // Size of a text in the captions' font (14 pixels high, "Arial").
    virtual void CaptionSize(const std::string& text, int& width, int& height) = 0;
    // Draws a text in the captions' font, top-left at (x, y), on a transparent background,
    // narrowed to width pixels when it is wider.
    virtual void DrawCaption(const std::string& text, int x, int y, int width, uint32_t colorRef) = 0;
};
