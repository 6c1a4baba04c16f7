#include "platform/Assert.h"
#include "platform/Platform.h"
#include "platform/testing/ScriptedPlatform.h"

#include <gtest/gtest.h>

using namespace platform;
using platform::testing::AssertionFailure;
using platform::testing::ScriptedPlatform;
using platform::testing::UnexpectedDialog;

TEST(Assertion, ThrowsTheExactTextUnderTheDouble) {
    ScriptedPlatform seam;
    try {
        AssertFailed("0", "UnitMain", 700);
        FAIL() << "no assertion";
    } catch (const AssertionFailure& e) {
        EXPECT_STREQ(e.what(), "Assertion failed: 0, file UnitMain, line 700");
    }
    EXPECT_THROW(PW_ASSERT(1 == 2, "1 == 2", "Pin", 151), AssertionFailure);
    EXPECT_NO_THROW(PW_ASSERT(1 == 1, "1 == 1", "Pin", 151));
}

TEST(ScriptedPlatform, RecordsBoxesAndAnswersDialogsFromItsQueue) {
    ScriptedPlatform seam;
    EXPECT_EQ(ShowMessage("Failed to create file.", "Error", Icon::Error), Button::Ok);
    ASSERT_EQ(seam.Boxes().size(), 1u);
    EXPECT_EQ(seam.Boxes()[0].text, "Failed to create file.");
    EXPECT_EQ(seam.Boxes()[0].caption, "Error");
    EXPECT_EQ(seam.Boxes()[0].icon, Icon::Error);

    seam.AnswerFile("/tmp/x/blink.qpf");
    FileDialogRequest r;
    r.fileName = "blink.qpf";
    EXPECT_EQ(Current().SaveFileDialog(r), "/tmp/x/blink.qpf");
    ASSERT_EQ(seam.FileDialogs().size(), 1u);
    EXPECT_EQ(seam.FileDialogs()[0].request.fileName, "blink.qpf");
    seam.CancelFile();
    EXPECT_EQ(Current().OpenFileDialog(r), "");

    // A dialog the test did not script fails at once instead of waiting for a person.
    EXPECT_THROW(Current().OpenFileDialog(r), UnexpectedDialog);
    EXPECT_THROW(ShowMessage("Continue?", "Q", Icon::Question, Buttons::YesNo), UnexpectedDialog);

    Beep();
    Beep();
    EXPECT_EQ(seam.BeepCount(), 2);
    seam.SetCtrlHeld(true);
    EXPECT_TRUE(Current().IsCtrlHeld());
    seam.SetProgramFolder("/opt/pw/");
    EXPECT_EQ(Current().ProgramFolder(), "/opt/pw/");
}

TEST(ScriptedPlatform, RestoresThePreviousImplementation) {
    ScriptedPlatform outer;
    {
        ScriptedPlatform inner;
        EXPECT_EQ(&Current(), &inner);
    }
    EXPECT_EQ(&Current(), &outer);
}
