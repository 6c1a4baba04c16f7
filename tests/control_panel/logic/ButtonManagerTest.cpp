#include "control_panel/ButtonFakes.h"

#include "control_panel/logic/ButtonManager.h"
#include "platform/testing/ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace {

constexpr int TAB_BITMAP = 175;   // 93 x 152: frames of 93 x 38
constexpr int SMALL_BITMAP = 171; // 37 x 50: frames of 37 x 12, two rows left over

class ButtonBar : public ::testing::Test {
protected:
    ButtonBar() { owner.bitmaps = {{TAB_BITMAP, {93, 152}}, {SMALL_BITMAP, {37, 50}}}; }

    // Two tabs side by side: 1 at (0, 0), 2 at (100, 0).
    CButtonManager& TwoTabs(int mode) {
        bar = std::make_unique<CButtonManager>(owner, mode);
        bar->AddButton(1, "A", TAB_BITMAP, 0, 0);
        bar->AddButton(2, "B", TAB_BITMAP, 100, 0);
        return *bar;
    }

    platform::testing::ScriptedPlatform seam;
    RecordingOwner owner;
    std::unique_ptr<CButtonManager> bar;
};

TEST_F(ButtonBar, AButtonIsOneQuarterOfItsPicture) {
    CButtonItem tab(owner, 0, "", TAB_BITMAP, 8, 309);
    EXPECT_EQ(tab.Rect(), RectAt(8, 309, 93, 38));
    EXPECT_TRUE(tab.HitTest(8 + 92, 309 + 37));
    EXPECT_FALSE(tab.HitTest(8 + 93, 309));
    EXPECT_FALSE(tab.HitTest(8, 309 + 38));

    // Rows beyond four whole frames belong to no frame.
    CButtonItem small(owner, 0, "", SMALL_BITMAP, 0, 0);
    RecordingCanvas canvas;
    small.DrawFrame(canvas, 3);
    EXPECT_EQ(canvas.blits, (std::vector<RecordingCanvas::Blit>{{SMALL_BITMAP, 36, 37, 12, 0, 0}}));
}

TEST_F(ButtonBar, APictureThatCannotBeLoadedBeepsAndLeavesAnInvisibleButton) {
    CButtonManager bar(owner, BTN_MODE_PUSH);
    bar.AddButton(7, "Close", 999, 20, 30);
    EXPECT_EQ(seam.BeepCount(), 1);
    EXPECT_EQ(bar.Find(7)->Rect().Width(), 0);
    EXPECT_FALSE(bar.IsOverButton(20, 30));
    EXPECT_EQ(bar.OnLButtonUp(20, 30), -1);

    RecordingCanvas canvas;
    bar.Paint(canvas);
    EXPECT_TRUE(canvas.blits.empty());
    EXPECT_EQ(canvas.captions,
              (std::vector<RecordingCanvas::Text>{{"Close", 20, 30, 30, BTN_CAPTION_NORMAL}}));
}

TEST_F(ButtonBar, ANewPictureThatCannotBeLoadedKeepsTheOldOne) {
    CButtonManager bar(owner, BTN_MODE_PUSH);
    bar.AddButton(1048, "", TAB_BITMAP, 0, 0);
    bar.SetBitmap(1048, 999);
    bar.SetBitmap(1048, 0);
    EXPECT_EQ(bar.Find(1048)->BitmapId(), TAB_BITMAP);
    bar.SetBitmap(1048, SMALL_BITMAP);
    EXPECT_EQ(bar.Find(1048)->Rect(), RectAt(0, 0, 37, 12));
    EXPECT_EQ(seam.BeepCount(), 0);
}

TEST_F(ButtonBar, TheButtonAddedFirstTakesAPointThatTwoButtonsShare) {
    CButtonManager bar(owner, BTN_MODE_PUSH);
    bar.AddButton(1, "", TAB_BITMAP, 0, 0);
    bar.AddButton(2, "", TAB_BITMAP, 50, 0);
    EXPECT_EQ(bar.HitTest(60, 10)->m_nId, 1);
    bar.EnableButton(1, false);
    EXPECT_EQ(bar.HitTest(60, 10)->m_nId, 2);
}

TEST_F(ButtonBar, AReleaseIsTheClickOfTheButtonUnderThePointerWhereverThePressBegan) {
    CButtonManager& tabs = TwoTabs(BTN_MODE_PUSH);
    tabs.OnMouseMove(10, 10);
    EXPECT_EQ(tabs.Find(1)->m_nState, BTN_STATE_HOVER);
    EXPECT_TRUE(tabs.OnLButtonDown(10, 10));
    EXPECT_EQ(tabs.Find(1)->m_nState, BTN_STATE_PRESSED);

    EXPECT_TRUE(tabs.OnMouseMove(110, 10));
    EXPECT_EQ(tabs.Find(2)->m_nState, BTN_STATE_PRESSED);
    EXPECT_EQ(tabs.Find(1)->m_nState, BTN_STATE_NORMAL);
    EXPECT_TRUE(owner.captured);

    EXPECT_EQ(tabs.OnLButtonUp(110, 10), 2);
    EXPECT_EQ(tabs.Find(2)->m_nState, BTN_STATE_NORMAL);
    EXPECT_EQ(tabs.HoverId(), -1);
    EXPECT_FALSE(tabs.IsPressed());
    EXPECT_FALSE(owner.captured);

    // A press outside the bar is not the bar's, but a release over a button still is a click.
    EXPECT_FALSE(tabs.OnLButtonDown(300, 300));
    EXPECT_EQ(tabs.OnLButtonUp(10, 10), 1);
}

TEST_F(ButtonBar, AReleaseOverADisabledButtonIsNoClick) {
    CButtonManager& tabs = TwoTabs(BTN_MODE_RADIO);
    tabs.SetCheck(1, true);
    tabs.EnableButton(2, false);
    EXPECT_FALSE(tabs.OnLButtonDown(110, 10));
    EXPECT_FALSE(tabs.IsOverButton(110, 10));
    EXPECT_EQ(tabs.OnLButtonUp(110, 10), -1);
    EXPECT_TRUE(tabs.GetCheck(1));
    EXPECT_FALSE(tabs.GetCheck(2));
}

TEST_F(ButtonBar, EachModeMarksTheReleasedButtonItsOwnWay) {
    struct Case {
        int mode;
        bool firstAfterOne, secondAfterOne; // after one release over button 1
        bool firstAfterTwo, secondAfterTwo; // after a second release over button 1
    };
    // Button 2 starts checked.
    const Case cases[] = {
        {BTN_MODE_RADIO, true, false, true, false},
        {BTN_MODE_PUSH, false, true, false, true},
        {BTN_MODE_TOGGLE, true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        CButtonManager& tabs = TwoTabs(c.mode);
        tabs.SetCheck(2, true);
        EXPECT_EQ(tabs.OnLButtonUp(10, 10), 1);
        EXPECT_EQ(tabs.GetCheck(1), c.firstAfterOne);
        EXPECT_EQ(tabs.GetCheck(2), c.secondAfterOne);
        EXPECT_EQ(tabs.OnLButtonUp(10, 10), 1);
        EXPECT_EQ(tabs.GetCheck(1), c.firstAfterTwo);
        EXPECT_EQ(tabs.GetCheck(2), c.secondAfterTwo);
    }
}

TEST_F(ButtonBar, LeavingAButtonForTheEmptySurfaceReleasesTheCaptureAndDrawsItNormal) {
    CButtonManager& tabs = TwoTabs(BTN_MODE_RADIO);
    EXPECT_TRUE(tabs.OnMouseMove(10, 10));
    EXPECT_TRUE(owner.captured);
    owner.Clear();
    // Moving within the hovered button redraws nothing.
    EXPECT_TRUE(tabs.OnMouseMove(12, 12));
    EXPECT_TRUE(owner.invalidated.empty());
    EXPECT_EQ(owner.updates, 0);

    EXPECT_FALSE(tabs.OnMouseMove(300, 300));
    EXPECT_FALSE(owner.captured);
    EXPECT_EQ(tabs.Find(1)->m_nState, BTN_STATE_NORMAL);
    EXPECT_EQ(owner.invalidated, (std::vector<PanelRect>{RectAt(0, 0, 93, 38)}));
    EXPECT_EQ(tabs.HoverId(), -1);
}

TEST_F(ButtonBar, TheStateChoosesTheFrameAndTheCaptionColour) {
    struct Case {
        int state;
        bool enabled, checked;
        int frame;
        uint32_t color;
    };
    const Case cases[] = {
        {BTN_STATE_NORMAL, true, false, 0, BTN_CAPTION_NORMAL},
        {BTN_STATE_HOVER, true, false, 2, BTN_CAPTION_NORMAL},
        {BTN_STATE_PRESSED, true, false, 3, BTN_CAPTION_MARKED},
        {BTN_STATE_NORMAL, true, true, 0, BTN_CAPTION_MARKED},
        {BTN_STATE_HOVER, false, true, 1, BTN_CAPTION_DISABLED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.state << c.enabled << c.checked);
        CButtonItem tab(owner, 3, "Memory", TAB_BITMAP, 106, 309);
        tab.m_nState = c.state;
        tab.m_bEnabled = c.enabled;
        tab.m_bChecked = c.checked;
        RecordingCanvas canvas;
        tab.Draw(canvas);
        EXPECT_EQ(canvas.blits,
                  (std::vector<RecordingCanvas::Blit>{{TAB_BITMAP, c.frame * 38, 93, 38, 106, 309}}));
        // "Memory" measures 36 x 14: centred at 106 + (93 - 36) / 2, 309 + (38 - 14) / 2.
        EXPECT_EQ(canvas.captions, (std::vector<RecordingCanvas::Text>{{"Memory", 134, 321, 36, c.color}}));
    }
}

TEST_F(ButtonBar, ACaptionWiderThanItsButtonIsNarrowedToIt) {
    // 19 characters measure 114 pixels; the frame is 93 wide.
    CButtonItem tab(owner, 3, "Dump memory content", TAB_BITMAP, 106, 309);
    RecordingCanvas canvas;
    tab.Draw(canvas);
    EXPECT_EQ(canvas.captions, (std::vector<RecordingCanvas::Text>{
                                   {"Dump memory content", 106, 321, 93, BTN_CAPTION_NORMAL}}));
}

TEST_F(ButtonBar, UnknownIdsChangeNothing) {
    CButtonManager& tabs = TwoTabs(BTN_MODE_RADIO);
    owner.Clear();
    tabs.SetCheck(9, true);
    tabs.EnableButton(9, false);
    tabs.SetBitmap(9, SMALL_BITMAP);
    tabs.SetState(9, BTN_STATE_PRESSED);
    EXPECT_FALSE(tabs.GetCheck(9));
    EXPECT_TRUE(owner.invalidated.empty());
    EXPECT_EQ(owner.updates, 0);
}

TEST_F(ButtonBar, EnablingAllRepaintsOnce) {
    CButtonManager& tabs = TwoTabs(BTN_MODE_RADIO);
    owner.Clear();
    tabs.EnableAll(false);
    EXPECT_EQ(owner.invalidated.size(), 2u);
    EXPECT_EQ(owner.updates, 1);
    EXPECT_FALSE(tabs.IsOverButton(10, 10));
    EXPECT_FALSE(tabs.OnMouseMove(10, 10));
}

} // namespace
