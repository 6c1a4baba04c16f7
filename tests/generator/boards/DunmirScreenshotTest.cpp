// The Dunmir form as the program shows it: its outlines and pictures drawn where its
// layout places them, for the defaults and with a peripheral unticked.
#include "boards/BoardForms.h"
#include "boards/BoardTable.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/FormPixels.h"
#include "support/TempDir.h"
#include "ui/UnitMain.h"

#include <QCheckBox>
#include <gtest/gtest.h>

TEST(DunmirScreenshot, TheFormAsTheProgramShowsIt) {
    testsupport::TempDir dir;
    platform::testing::ScriptedPlatform seam;
    seam.SetProgramFolder(dir.Folder());
    seam.SetProgramPath(dir.File("pinwright"));
    TFormMain main(nullptr, BoardFormTable());
    main.show();

    const QImage shot = testsupport::GrabScreenshot(main, "pinwright-dunmir");
    EXPECT_EQ(shot.size(), QSize(793, 497));
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(shot, main));
    // Every peripheral is ticked: ten outlines and the dotted line; the board picture and two logos.
    const testsupport::FormPixels pixels = testsupport::CheckFormPixels(shot, main);
    EXPECT_EQ(pixels.outlines, 11);
    EXPECT_EQ(pixels.pictures, 3);

    main.findChild<QCheckBox*>("CheckBoxLED")->click();
    const QImage unticked = testsupport::GrabScreenshot(main, "pinwright-dunmir-no-led");
    EXPECT_TRUE(testsupport::DrawnAsLaidOut(unticked, main));
    EXPECT_EQ(testsupport::CheckFormPixels(unticked, main).hiddenOutlines, pixels.hiddenOutlines + 1);
}
