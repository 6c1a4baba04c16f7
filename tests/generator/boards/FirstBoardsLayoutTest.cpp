// The layouts of boards 1 to 4: no two controls of one parent overlap, and every
// component lies inside its parent. Outlines are marks over the board picture and
// keep the places the form's layout gives them.
#include "boards/first/arvel/UI_ArvelLayout.h"
#include "boards/first/belmic/UI_BelmicLayout.h"
#include "boards/first/cardix/UI_CardixLayout.h"
#include "boards/first/dorvel/UI_DorvelLayout.h"

#include <cstring>
#include <gtest/gtest.h>
#include <span>

namespace {

struct Rect {
    int x, y, w, h;
};

bool Overlap(const Rect& a, const Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool SameParent(const platform::LayoutRow& a, const platform::LayoutRow& b) {
    if (a.parent == nullptr || b.parent == nullptr)
        return a.parent == b.parent;
    return std::strcmp(a.parent, b.parent) == 0;
}

void CheckLayout(std::span<const platform::LayoutRow> layout) {
    const platform::LayoutRow& form = layout.front();
    for (std::size_t i = 1; i < layout.size(); ++i) {
        const platform::LayoutRow& a = layout[i];
        Rect parent{0, 0, form.w, form.h};
        for (const platform::LayoutRow& p : layout)
            if (a.parent != nullptr && std::strcmp(p.name, a.parent) == 0)
                parent = {0, 0, p.w, p.h};
        EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.w <= parent.w && a.y + a.h <= parent.h) << a.name;
        if (a.kind == platform::Kind::Shape)
            continue;
        for (std::size_t k = i + 1; k < layout.size(); ++k) {
            const platform::LayoutRow& b = layout[k];
            if (b.kind == platform::Kind::Shape || !SameParent(a, b))
                continue;
            EXPECT_FALSE(Overlap({a.x, a.y, a.w, a.h}, {b.x, b.y, b.w, b.h})) << a.name << " and " << b.name;
        }
    }
}

} // namespace

TEST(FirstBoardsLayout, NoTwoControlsOverlap) {
    for (std::span<const platform::LayoutRow> layout :
         {std::span<const platform::LayoutRow>(arvel::kLayout),
          std::span<const platform::LayoutRow>(belmic::kLayout),
          std::span<const platform::LayoutRow>(cardix::kLayout),
          std::span<const platform::LayoutRow>(dorvel::kLayout)}) {
        SCOPED_TRACE(layout.front().name);
        CheckLayout(layout);
    }
}
