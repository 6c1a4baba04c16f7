// The board tables: every board of the catalogue has one complete row in the logic's
// table and one in the forms' table, in the same order, and a row's parts belong to
// its board.
#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "boards/kit/BoardForm.h"
#include "model/MainBoardId.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(BoardTables, EveryCatalogueBoardHasOneRowOfEachInIdOrder) {
    ASSERT_EQ(BoardTable().size(), BoardFormTable().size());
    int previous = -1;
    for (std::size_t i = 0; i < BoardTable().size(); ++i) {
        const uint8_t id = BoardTable()[i].id;
        EXPECT_TRUE(IsCatalogueBoard(id)) << int(id);
        EXPECT_GT(id, previous) << int(id);
        EXPECT_EQ(BoardFormTable()[i].id, id) << i;
        previous = id;
    }
    for (int id = 0; id < 256; ++id) {
        const bool listed = IsCatalogueBoard(static_cast<uint8_t>(id));
        EXPECT_EQ(FindBoard(static_cast<uint8_t>(id)) != nullptr, listed) << id;
        EXPECT_EQ(FindBoardForm(static_cast<uint8_t>(id)) != nullptr, listed) << id;
    }
}

TEST(BoardTables, EveryRowIsComplete) {
    testsupport::TempDir dir;
    platform::testing::ScriptedPlatform seam;
    seam.SetProgramFolder(dir.Folder());
    seam.SetProgramPath(dir.File("pinwright"));
    for (const BoardRow& row : BoardTable()) {
        SCOPED_TRACE(row.name);
        EXPECT_STRNE(row.name, "");
        // Only the two placeholder forms have no pin table.
        const bool placeholder = row.id == MAINBOARD_QUENOR || row.id == MAINBOARD_IRVANE;
        EXPECT_EQ(row.logic == nullptr, placeholder);
        if (row.logic != nullptr) {
            EXPECT_EQ(row.logic().Spec().id, row.id);
        }
        const BoardFormRow& forms = *FindBoardForm(row.id);
        EXPECT_STRNE(forms.title, "");
        EXPECT_STRNE(forms.picture, "");
        ASSERT_FALSE(forms.layout.empty());
        EXPECT_EQ(forms.layout.front().kind, platform::Kind::Form);
        const std::unique_ptr<QWidget> form(CreateBoardForm(forms, nullptr));
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(dynamic_cast<BoardForm*>(form.get()) != nullptr, !placeholder);
        EXPECT_EQ(form->size(), QSize(forms.layout.front().w, forms.layout.front().h));
    }
}

} // namespace
