#pragma once
// A bar: the bitmap buttons of one window. It paints them and turns the window's mouse
// messages into hover, press and click; the window acts on the id a click returns.

#include "ButtonItem.h"
#include "ButtonOwner.h"

#include <memory>
#include <string>
#include <vector>

constexpr int BTN_MODE_RADIO = 0;
constexpr int BTN_MODE_PUSH = 1;
constexpr int BTN_MODE_TOGGLE = 2;

class CButtonManager {
public:
    CButtonManager(CButtonOwner& owner, int mode);
    ~CButtonManager();
    CButtonManager(const CButtonManager&) = delete;
    CButtonManager& operator=(const CButtonManager&) = delete;

    // Appends a button; nothing is repainted.
    void AddButton(int id, const std::string& caption, int bitmapId, int x, int y);
    void SetBitmap(int id, int bitmapId);
    void EnableButton(int id, bool enabled);
    void EnableAll(bool enabled);
    void SetCheck(int id, bool checked);
    // False when no button has the id.
    bool GetCheck(int id) const;
    void UncheckAll();
    void SetState(int id, int state);
    // The first enabled button, in the order added, whose rectangle holds the point.
    CButtonItem* HitTest(int x, int y) const;
    bool IsOverButton(int x, int y) const;
    void Paint(CButtonCanvas& canvas) const;

    // True when the point is over an enabled button (the message was the bar's).
    bool OnLButtonDown(int x, int y);
    bool OnMouseMove(int x, int y);
    // The id of the enabled button released over, or -1.
    int OnLButtonUp(int x, int y);

    // The first button with the id, or null.
    CButtonItem* Find(int id) const;
    int HoverId() const { return m_nHoverId; }
    bool IsPressed() const { return m_bPressed; }
    int Mode() const { return m_nMode; }

private:
    std::vector<std::unique_ptr<CButtonItem>> m_items;
    int m_nHoverId = -1;
    CButtonOwner& m_owner;
    int m_nMode;
    bool m_bPressed = false;
};
