#pragma once
// What the main dialog's logic needs of its window, and of the surface it paints on.
// The Qt dialog implements both; tests record them.

#include "ButtonOwner.h"
#include "PanelRect.h"

#include <cstdint>
#include <string>

class CBoardLink;

class CPanelView : public CButtonOwner {
public:
    // Pages 0 to 5.
    virtual void ShowPage(int page, bool show) = 0;
    virtual void AttachPageLink(int page, CBoardLink* link) = 0;
    virtual void DetachPageLink(int page) = 0;

    // Moves the connect animation to the rectangle, shows it and plays it from its first
    // frame, repeating without end.
    virtual void PlayAnimation(const PanelRect& where) = 0;
    // Stops it on the frame it shows.
    virtual void StopAnimation() = 0;
    virtual void ShowAnimation(bool show) = 0;

    // Marks the whole window for repainting.
    virtual void InvalidateAll() = 0;
    virtual void SetWaitCursor(bool wait) = 0;
    // Starts a repeating timer that calls back OnTimer with the id; returns the id.
    virtual int StartTimer(int id, uint32_t intervalMs) = 0;
    virtual void KillTimer(int id) = 0;

    // Runs the connect toggle later, from the event loop, once the window shows on the screen.
    virtual void PostConnect() = 0;
    // Asks the window to close; the request comes back through CanClose.
    virtual void CloseWindow() = 0;
    virtual void Minimize() = 0;
    // The About dialog, modal.
    virtual void RunAbout() = 0;
};

class CPanelCanvas : public CButtonCanvas {
public:
    virtual void FillRect(const PanelRect& rect, uint32_t colorRef) = 0;
    // Size of a text in the surface's default font.
    virtual void TextSize(const std::string& text, int& width, int& height) = 0;
    // A text in the default font, top-left at (x, y), transparent background, drawn only
    // inside clip when one is given.
    virtual void DrawText(const std::string& text, int x, int y, uint32_t colorRef,
                          const PanelRect* clip) = 0;
    // A rounded rectangle outline, not filled.
    virtual void RoundRect(const PanelRect& rect, int corner, int penWidth, uint32_t colorRef) = 0;
};
