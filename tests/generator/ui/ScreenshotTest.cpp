// Pictures of the windows for a person to look at; nothing is compared.
#include "model/DaughterBitmaps.h"
#include "platform/qt/Resources.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "ui/BoardForms.h"
#include "ui/UI_Selector.h"
#include "ui/UnitMain.h"

#include <QCoreApplication>
#include <QPainter>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string ScreenshotPath(const char* name) {
    const std::filesystem::path dir = std::filesystem::path(testsupport::BuildDir()) / "screenshots";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

} // namespace

TEST(Screenshots, MainWindowSelectorAndCards) {
    testsupport::TempDir dir;
    platform::testing::ScriptedPlatform seam;
    seam.SetProgramPath(dir.File("pinwright"));

    TFormMain main(nullptr, BoardFormTable());
    main.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(main.grab().save(QString::fromStdString(ScreenshotPath("pinwright-main.png"))));

    TFormBoardSelector selector(&main);
    selector.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(selector.grab().save(QString::fromStdString(ScreenshotPath("pinwright-selector.png"))));
    selector.hide();

    // All daughter-board pictures on one sheet, ten to a row.
    const int columns = 10, cellW = 88, cellH = 68;
    const int rows = static_cast<int>((std::size(kDaughterBitmaps) + columns - 1) / columns);
    QImage sheet(columns * cellW, rows * cellH, QImage::Format_ARGB32);
    sheet.fill(QColor(235, 233, 237));
    {
        QPainter p(&sheet);
        int i = 0;
        for (const DaughterBitmapRow& row : kDaughterBitmaps) {
            p.drawImage((i % columns) * cellW + 4, (i / columns) * cellH + 4,
                        platform::LoadPicture(row.name));
            ++i;
        }
    }
    EXPECT_TRUE(sheet.save(QString::fromStdString(ScreenshotPath("pinwright-daughter-pictures.png"))));
}
