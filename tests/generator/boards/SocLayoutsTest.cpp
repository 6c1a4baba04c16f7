// The layouts of boards 21 to 24: no two controls of one parent overlap (the outlines
// lie over the board picture by design and are left out).
#include "boards/latest/ulmaro/UI_UlmaroLayout.h"
#include "boards/latest/vardis/UI_VardisLayout.h"
#include "boards/latest/wendro/UI_WendroLayout.h"
#include "boards/latest/xylmar/UI_XylmarLayout.h"

#include <cstring>
#include <gtest/gtest.h>
#include <span>
#include <string>

namespace {

bool SameParent(const platform::LayoutRow& a, const platform::LayoutRow& b) {
    if (a.parent == nullptr || b.parent == nullptr)
        return a.parent == b.parent;
    return std::strcmp(a.parent, b.parent) == 0;
}

bool Overlap(const platform::LayoutRow& a, const platform::LayoutRow& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

void ExpectNoOverlap(std::span<const platform::LayoutRow> layout) {
    for (std::size_t i = 0; i < layout.size(); ++i)
        for (std::size_t k = i + 1; k < layout.size(); ++k) {
            const platform::LayoutRow& a = layout[i];
            const platform::LayoutRow& b = layout[k];
            if (a.kind == platform::Kind::Form || a.kind == platform::Kind::Shape ||
                b.kind == platform::Kind::Shape || !SameParent(a, b))
                continue;
            EXPECT_FALSE(Overlap(a, b)) << layout[0].name << ": " << a.name << " and " << b.name;
        }
}

} // namespace

TEST(SocLayouts, NoControlsOverlap) {
    ExpectNoOverlap(ulmaro::kLayout);
    ExpectNoOverlap(vardis::kLayout);
    ExpectNoOverlap(wendro::kLayout);
    ExpectNoOverlap(xylmar::kLayout);
}
