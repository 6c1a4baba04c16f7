// Every board form of the catalogue, as the main window creates it: nothing lies over
// anything else, outlines and pictures are drawn where the layout places them, and a
// screenshot of each is kept for a person to look at.
#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "model/MainBoardId.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/FormOverlaps.h"
#include "support/FormPixels.h"
#include "support/TempDir.h"
#include "support/TextInk.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class EveryBoardForm : public ::testing::TestWithParam<BoardFormRow> {};

TEST_P(EveryBoardForm, LaidOutAndDrawnAsItsLayoutSays) {
    testsupport::TempDir dir;
    platform::testing::ScriptedPlatform seam;
    seam.SetProgramFolder(dir.Folder());
    seam.SetProgramPath(dir.File("pinwright"));
    const BoardFormRow& row = GetParam();
    std::unique_ptr<QWidget> form(CreateBoardForm(row, nullptr));
    ASSERT_NE(form, nullptr);
    form->show();
    EXPECT_EQ(testsupport::OverlappingControls(*form), std::vector<std::string>{});
    const QImage shot = testsupport::GrabScreenshot(*form, "pinwright-board" + std::to_string(row.id));
    const int least = row.id == MAINBOARD_QUENOR ? 0 : 1;
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, *form, least));
    EXPECT_TRUE(testsupport::TextsShowWhole(*form, least));
}

INSTANTIATE_TEST_SUITE_P(Boards, EveryBoardForm,
                         ::testing::ValuesIn(BoardFormTable().begin(), BoardFormTable().end()),
                         [](const auto& info) { return "Board" + std::to_string(info.param.id); });

} // namespace
