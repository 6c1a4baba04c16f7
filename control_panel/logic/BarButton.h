#pragma once
// One row of a bar's button table: what CButtonManager::AddButton takes.

#include "ButtonManager.h"

#include <span>

struct BarButton {
    int id;
    const char* caption;
    int bitmapId;
    int x;
    int y;
};

inline void AddButtons(CButtonManager& bar, std::span<const BarButton> rows) {
    for (const BarButton& row : rows)
        bar.AddButton(row.id, row.caption, row.bitmapId, row.x, row.y);
}
