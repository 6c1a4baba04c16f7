#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "ui/BoardForms.h"
#include "ui/UnitMain.h"

#include <QComboBox>
#include <filesystem>
#include <gtest/gtest.h>

TEST(DunmirScreenshot, TheFormAsTheProgramShowsIt) {
    testsupport::TempDir dir;
    platform::testing::ScriptedPlatform seam;
    seam.SetProgramFolder(dir.Folder());
    seam.SetProgramPath(dir.File("pinwright"));
    TFormMain main(nullptr, BoardFormTable());
    main.show();
    const std::string folder = testsupport::BuildDir() + "/screenshots";
    std::filesystem::create_directories(folder);
    QImage shot = main.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(793, 497));
    EXPECT_TRUE(shot.save(QString::fromStdString(folder + "/pinwright-dunmir.png")));
}
