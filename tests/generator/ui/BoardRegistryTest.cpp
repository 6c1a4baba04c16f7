// The board table: every board of the catalogue has one complete row, and a row's parts
// belong to its board.
#include "boards/BoardRegistry.h"
#include "boards/kit/BoardForm.h"
#include "model/MainBoardId.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(BoardRegistry, EveryCatalogueBoardHasOneRowInIdOrder) {
    int previous = -1;
    for (const BoardRow& row : BoardTable()) {
        EXPECT_TRUE(IsCatalogueBoard(row.id)) << int(row.id);
        EXPECT_GT(row.id, previous) << int(row.id);
        previous = row.id;
    }
    for (int id = 0; id < 256; ++id)
        EXPECT_EQ(FindBoard(static_cast<uint8_t>(id)) != nullptr, IsCatalogueBoard(static_cast<uint8_t>(id)))
            << id;
}

TEST(BoardRegistry, EveryRowIsComplete) {
    testsupport::TempDir dir;
    platform::testing::ScriptedPlatform seam;
    seam.SetProgramFolder(dir.Folder());
    seam.SetProgramPath(dir.File("pinwright"));
    for (const BoardRow& row : BoardTable()) {
        SCOPED_TRACE(row.name);
        EXPECT_STRNE(row.name, "");
        EXPECT_STRNE(row.title, "");
        EXPECT_STRNE(row.picture, "");
        ASSERT_FALSE(row.layout.empty());
        EXPECT_EQ(row.layout.front().kind, platform::Kind::Form);
        // Only the two placeholder forms have no pin table.
        const bool placeholder = row.id == MAINBOARD_QUENOR || row.id == MAINBOARD_IRVANE;
        EXPECT_EQ(row.logic == nullptr, placeholder);
        if (row.logic != nullptr) {
            EXPECT_EQ(row.logic().Spec().id, row.id);
        }
        const std::unique_ptr<QWidget> form(CreateBoardForm(row, nullptr));
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(dynamic_cast<BoardForm*>(form.get()) != nullptr, !placeholder);
        EXPECT_EQ(form->size(), QSize(row.layout.front().w, row.layout.front().h));
    }
}

} // namespace
