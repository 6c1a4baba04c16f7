#pragma once
// One bitmap button: its picture holds four frames stacked vertically (normal,
// disabled, hover, pressed), each the picture's width and a quarter of its height.

#include "ButtonOwner.h"
#include "PanelRect.h"

#include <cstdint>
#include <string>

constexpr int BTN_STATE_NORMAL = 0;
constexpr int BTN_STATE_DISABLED = 1; // a frame only, never a state
constexpr int BTN_STATE_HOVER = 2;
constexpr int BTN_STATE_PRESSED = 3;

constexpr uint32_t BTN_CAPTION_DISABLED = 0x969696;
constexpr uint32_t BTN_CAPTION_MARKED = 0xFFEA00;
constexpr uint32_t BTN_CAPTION_NORMAL = 0xFFFFFF;

class CButtonItem {
public:
    // Loads the picture when bitmapId is not 0; one that cannot be loaded beeps and
    // leaves the button without a picture.
    CButtonItem(CButtonOwner& owner, int id, const std::string& caption, int bitmapId, int x, int y);

    // 0, or a picture that cannot be loaded, keeps the old picture.
    void SetBitmap(CButtonOwner& owner, int bitmapId);
    bool HitTest(int x, int y) const;
    void DrawFrame(CButtonCanvas& canvas, int frame) const;
    void Draw(CButtonCanvas& canvas) const;
    void Invalidate(CButtonOwner& owner) const;
    // Empty without a picture.
    PanelRect Rect() const;
    bool HasBitmap() const { return m_nBitmapId != 0; }
    int BitmapId() const { return m_nBitmapId; }
    int FrameHeight() const { return m_nBitmapHeight / 4; }

    int m_nId;
    int m_nState = BTN_STATE_NORMAL;
    bool m_bEnabled = true;
    int m_x;
    int m_y;
    std::string m_sCaption;
    bool m_bChecked = false;

private:
    int m_nBitmapId = 0;
    int m_nBitmapWidth = 0;
    int m_nBitmapHeight = 0;
};
