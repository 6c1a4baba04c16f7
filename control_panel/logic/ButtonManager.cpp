#include "ButtonManager.h"

CButtonManager::CButtonManager(CButtonOwner& owner, int mode) : m_owner(owner), m_nMode(mode) {}

CButtonManager::~CButtonManager() = default;

void CButtonManager::AddButton(int id, const std::string& caption, int bitmapId, int x, int y) {
    m_items.push_back(std::make_unique<CButtonItem>(m_owner, id, caption, bitmapId, x, y));
}

CButtonItem* CButtonManager::Find(int id) const {
    for (const auto& item : m_items)
        if (item->m_nId == id)
            return item.get();
    return nullptr;
}

void CButtonManager::SetBitmap(int id, int bitmapId) {
    CButtonItem* item = Find(id);
    if (item == nullptr)
        return;
    item->SetBitmap(m_owner, bitmapId);
    item->Invalidate(m_owner);
    m_owner.Update();
}

void CButtonManager::EnableButton(int id, bool enabled) {
    CButtonItem* item = Find(id);
    if (item == nullptr)
        return;
    item->m_bEnabled = enabled;
    item->Invalidate(m_owner);
    m_owner.Update();
}

void CButtonManager::EnableAll(bool enabled) {
    for (const auto& item : m_items) {
        item->m_bEnabled = enabled;
        item->Invalidate(m_owner);
    }
    m_owner.Update();
}

void CButtonManager::SetCheck(int id, bool checked) {
    CButtonItem* item = Find(id);
    if (item == nullptr)
        return;
    item->m_bChecked = checked;
    item->Invalidate(m_owner);
    m_owner.Update();
}

bool CButtonManager::GetCheck(int id) const {
    CButtonItem* item = Find(id);
    return item != nullptr && item->m_bChecked;
}

void CButtonManager::UncheckAll() {
    for (const auto& item : m_items) {
        item->m_bChecked = false;
        item->Invalidate(m_owner);
    }
    m_owner.Update();
}

void CButtonManager::SetState(int id, int state) {
    CButtonItem* item = Find(id);
    if (item == nullptr || item->m_nState == state)
        return;
    item->m_nState = state;
    item->Invalidate(m_owner);
}

CButtonItem* CButtonManager::HitTest(int x, int y) const {
    for (const auto& item : m_items)
        if (item->m_bEnabled && item->HitTest(x, y))
            return item.get();
    return nullptr;
}

bool CButtonManager::IsOverButton(int x, int y) const {
    return HitTest(x, y) != nullptr;
}

void CButtonManager::Paint(CButtonCanvas& canvas) const {
    for (const auto& item : m_items)
        item->Draw(canvas);
}

bool CButtonManager::OnLButtonDown(int x, int y) {
    CButtonItem* item = HitTest(x, y);
    if (item == nullptr)
        return false;
    if (item->m_nState != BTN_STATE_PRESSED) {
        item->m_nState = BTN_STATE_PRESSED;
        item->Invalidate(m_owner);
        m_owner.Update();
    }
    m_bPressed = true;
    return true;
}

bool CButtonManager::OnMouseMove(int x, int y) {
    CButtonItem* item = HitTest(x, y);
    if (item == nullptr) {
        if (m_nHoverId != -1) {
            SetState(m_nHoverId, BTN_STATE_NORMAL);
            m_nHoverId = -1;
            m_owner.Update();
        }
        m_owner.ReleaseCapture();
        return false;
    }
    if (item->m_nId == m_nHoverId) {
        m_owner.SetCapture();
        return true;
    }
    int state = m_bPressed ? BTN_STATE_PRESSED : BTN_STATE_HOVER;
    bool changed = item->m_nState != state;
    if (changed) {
        item->m_nState = state;
        item->Invalidate(m_owner);
    }
    if (m_nHoverId != -1) {
        SetState(m_nHoverId, BTN_STATE_NORMAL);
        m_owner.Update();
    } else if (changed) {
        m_owner.Update();
    }
    m_nHoverId = item->m_nId;
    m_owner.SetCapture();
    return true;
}

int CButtonManager::OnLButtonUp(int x, int y) {
    int result = -1;
    CButtonItem* item = HitTest(x, y);
    if (item != nullptr) {
        result = item->m_nId;
        item->m_nState = BTN_STATE_NORMAL;
        if (m_nMode == BTN_MODE_RADIO) {
            for (const auto& other : m_items) {
                // The caption of a button that lost its mark changes colour too.
                if (other.get() != item && other->m_bChecked)
                    other->Invalidate(m_owner);
                other->m_bChecked = false;
            }
            item->m_bChecked = true;
        } else if (m_nMode == BTN_MODE_TOGGLE) {
            item->m_bChecked = !item->m_bChecked;
        }
        item->Invalidate(m_owner);
        m_owner.Update();
    }
    if (m_nHoverId != -1) {
        SetState(m_nHoverId, BTN_STATE_NORMAL);
        m_nHoverId = -1;
        m_owner.Update();
    }
    m_bPressed = false;
    m_owner.ReleaseCapture();
    return result;
}
