// Pictures of the windows for a person to look at, each checked against the window's
// outlines and pictures.
#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "model/DaughterBitmaps.h"
#include "platform/qt/Resources.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/FormPixels.h"
#include "support/TempDir.h"
#include "ui/UI_Selector.h"
#include "ui/UnitMain.h"

#include <QCoreApplication>
#include <QPainter>
#include <gtest/gtest.h>

TEST(Screenshots, MainWindowSelectorAndCards) {
    testsupport::TempDir dir;
    platform::testing::ScriptedPlatform seam;
    seam.SetProgramPath(dir.File("pinwright"));

    TFormMain main(nullptr, BoardFormTable());
    main.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(testsupport::GrabScreenshot(main, "pinwright-main"), main));

    TFormBoardSelector selector(&main);
    selector.show();
    QCoreApplication::processEvents();
    const QImage shot = testsupport::GrabScreenshot(selector, "pinwright-selector");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, selector));
    EXPECT_EQ(testsupport::CheckFormPixels(shot, selector).pictures, 1);
    selector.hide();

    // All daughter-board pictures on one sheet, ten to a row.
    const int columns = 10, cellW = 88, cellH = 68;
    const int rows = static_cast<int>((std::size(kDaughterBitmaps) + columns - 1) / columns);
    QImage pictures(columns * cellW, rows * cellH, QImage::Format_ARGB32);
    pictures.fill(QColor(235, 233, 237));
    {
        QPainter p(&pictures);
        int i = 0;
        for (const DaughterBitmapRow& row : kDaughterBitmaps) {
            const QImage picture = platform::LoadPicture(row.name);
            EXPECT_FALSE(picture.isNull()) << row.name;
            p.drawImage((i % columns) * cellW + 4, (i / columns) * cellH + 4, picture);
            ++i;
        }
    }
    testsupport::SaveScreenshot(pictures, "pinwright-daughter-pictures");
}
