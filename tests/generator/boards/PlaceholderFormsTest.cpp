// Boards 17 and 101: forms that show their layout and do nothing else.
#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/FormPixels.h"
#include "support/TempDir.h"
#include "ui/UnitMain.h"

#include <QPointer>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Placeholders : public ::testing::Test {
protected:
    Placeholders() {
        seam.SetProgramFolder(dir.Folder());
        seam.SetProgramPath(dir.File("pinwright"));
    }
    testsupport::TempDir dir;
    platform::testing::ScriptedPlatform seam;
};

} // namespace

TEST_F(Placeholders, QuenorIsAnEmptyWindowCaptionedWithItsName) {
    const std::unique_ptr<QWidget> form(CreateBoardForm(*FindBoardForm(MAINBOARD_QUENOR), nullptr));
    EXPECT_EQ(form->size(), QSize(870, 640));
    EXPECT_EQ(form->windowTitle(), "FormQuenor");
    EXPECT_EQ(form->objectName(), "FormQuenor");
    EXPECT_TRUE(form->findChildren<QWidget*>().isEmpty());
}

TEST_F(Placeholders, IrvaneShowsItsLayoutAndItsButtonsDoNothing) {
    {
        const std::unique_ptr<QWidget> form(CreateBoardForm(*FindBoardForm(MAINBOARD_IRVANE), nullptr));
        form->show();
        const QImage shot = testsupport::GrabScreenshot(*form, "pinwright-irvane");
        EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, *form));
        EXPECT_NE(form->findChild<QWidget*>("ComboBoxBoard"), nullptr);
        EXPECT_NE(form->findChild<QWidget*>("ComboBoxHSMC"), nullptr);
        const auto buttons = form->findChildren<QPushButton*>();
        EXPECT_EQ(buttons.size(), 6);
        for (QPushButton* button : buttons)
            button->click(); // no dialog is scripted: any would fail the test
        form->close();
    }
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_TRUE(seam.FileDialogs().empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("default.cfg")));
}

TEST_F(Placeholders, TheMainWindowHostsThemWithoutPinTables) {
    ASSERT_NE(FindBoardForm(MAINBOARD_QUENOR), nullptr);
    ASSERT_NE(FindBoardForm(MAINBOARD_IRVANE), nullptr);
    EXPECT_FALSE(FindBoardForm(MAINBOARD_QUENOR)->freedByMain);
    EXPECT_TRUE(FindBoardForm(MAINBOARD_IRVANE)->freedByMain);
    EXPECT_EQ(FindBoardLogic(MAINBOARD_QUENOR), nullptr);
    EXPECT_EQ(FindBoardLogic(MAINBOARD_IRVANE), nullptr);

    TFormMain main(nullptr, BoardFormTable());
    main.CreateBoardForm(MAINBOARD_IRVANE);
    QPointer<QWidget> irvane = main.BoardForm(MAINBOARD_IRVANE);
    ASSERT_NE(irvane, nullptr);
    EXPECT_EQ(main.size(), irvane->size());
    main.CreateBoardForm(MAINBOARD_QUENOR);
    EXPECT_TRUE(irvane.isNull()); // freed when another board is chosen
    EXPECT_EQ(main.size(), QSize(870, 640));
}
