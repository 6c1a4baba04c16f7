#include "control_panel/ui/PanelPictures.h"

#include <gtest/gtest.h>

namespace {

TEST(PanelPictures, HaveTheSizesTheWindowsExpect) {
    struct Case {
        int id;
        QSize size;
    };
    // clang-format off
    const Case cases[] = {
        {169, {620, 600}},
        {171, {37, 48}},
        {172, {37, 48}},
        {173, {37, 48}},
        {174, {79, 308}},
        {199, {79, 308}},
        {175, {93, 152}},
        {196, {380, 380}},
        {178, {64, 68}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(PanelBitmap(c.id).size(), c.size);
    }
    EXPECT_TRUE(PanelBitmap(170).isNull());
    EXPECT_EQ(PanelIcon(128).size(), QSize(32, 32));

    QList<QImage> frames = PanelAnimation(128);
    ASSERT_GE(frames.size(), 2);
    for (const QImage& frame : frames)
        EXPECT_EQ(frame.size(), QSize(387, 296));
}

} // namespace
