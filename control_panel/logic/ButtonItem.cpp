#include "ButtonItem.h"

#include "platform/Platform.h"

#include <algorithm>

CButtonItem::CButtonItem(CButtonOwner& owner, int id, const std::string& caption, int bitmapId, int x, int y)
    : m_nId(id), m_x(x), m_y(y), m_sCaption(caption) {
    if (bitmapId == 0)
        return;
    int width = 0;
    int height = 0;
    if (!owner.LoadBitmap(bitmapId, width, height)) {
        platform::Beep();
        return;
    }
    m_nBitmapId = bitmapId;
    m_nBitmapWidth = width;
    m_nBitmapHeight = height;
}

void CButtonItem::SetBitmap(CButtonOwner& owner, int bitmapId) {
    int width = 0;
    int height = 0;
    if (bitmapId == 0 || !owner.LoadBitmap(bitmapId, width, height))
        return;
    m_nBitmapId = bitmapId;
    m_nBitmapWidth = width;
    m_nBitmapHeight = height;
}

PanelRect CButtonItem::Rect() const {
    if (!HasBitmap())
        return PanelRect{m_x, m_y, m_x, m_y};
    return RectAt(m_x, m_y, m_nBitmapWidth, FrameHeight());
}

bool CButtonItem::HitTest(int x, int y) const {
    return Rect().Contains(x, y);
}

void CButtonItem::Draw(CButtonCanvas& canvas) const {
    DrawFrame(canvas, m_bEnabled ? m_nState : BTN_STATE_DISABLED);
}

void CButtonItem::DrawFrame(CButtonCanvas& canvas, int frame) const {
    if (HasBitmap())
        canvas.DrawBitmap(m_nBitmapId, frame * FrameHeight(), m_nBitmapWidth, FrameHeight(), m_x, m_y);
    if (m_sCaption.empty())
        return;
    uint32_t color = BTN_CAPTION_NORMAL;
    if (!m_bEnabled)
        color = BTN_CAPTION_DISABLED;
    else if (frame == BTN_STATE_PRESSED || m_bChecked)
        color = BTN_CAPTION_MARKED;
    int textWidth = 0;
    int textHeight = 0;
    canvas.CaptionSize(m_sCaption, textWidth, textHeight);
    int left = m_x;
    int top = m_y;
    if (HasBitmap()) {
        // A caption wider than its button is narrowed to the button: the font's widths
        // differ from system to system, and a caption spilling over the page is cut off.
        textWidth = std::min(textWidth, m_nBitmapWidth);
        left = m_x + (m_nBitmapWidth - textWidth) / 2;
        top = m_y + (FrameHeight() - textHeight) / 2;
    }
    canvas.DrawCaption(m_sCaption, left, top, textWidth, color);
}

void CButtonItem::Invalidate(CButtonOwner& owner) const {
    owner.Invalidate(Rect());
}
