#include "boards/latest/dunmir/ConfigDunmir.h"

#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using platform::testing::ScriptedPlatform;
using testsupport::TempDir;

TEST(ProjectFolder, CreatesTheFolderAndProposesTheQpf) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetProgramFolder(dir.Folder());
    const std::string folder = dir.Folder() + "CodeGenerated/DUNMIR/blink/";
    seam.AnswerFile(folder + "blink.qpf");
    TConfigDunmir cfg;
    EXPECT_EQ(cfg.ChooseProjectFile("DUNMIR", "blink"), folder + "blink.qpf");

    ASSERT_EQ(seam.FileDialogs().size(), 1u);
    const auto& d = seam.FileDialogs()[0];
    EXPECT_TRUE(d.save);
    EXPECT_EQ(d.request.initialDir, folder);
    EXPECT_EQ(d.request.fileName, "blink.qpf");
    EXPECT_EQ(d.request.filter, "Quartus Project File (*.qpf)|*.QPF");
    EXPECT_EQ(d.request.defaultExt, "qpf");
    EXPECT_FALSE(d.request.askOverwrite);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST(ProjectFolder, CancelLeavesTheFolder) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetProgramFolder(dir.Folder());
    TConfigDunmir cfg;
    cfg.LastFolder = "/last/";
    seam.CancelFile();
    EXPECT_EQ(cfg.ChooseProjectFile("DUNMIR", "blink"), "");
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "CodeGenerated" / "DUNMIR" / "blink"));
    EXPECT_EQ(cfg.LastFolder, "/last/");
    // An existing folder is used again without a question.
    seam.CancelFile();
    EXPECT_EQ(cfg.ChooseProjectFile("DUNMIR", "blink"), "");
    EXPECT_TRUE(seam.Boxes().empty());
}

TEST(ProjectFolder, NamesThatLeaveTheBoardFolderCreateNothing) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetProgramFolder(dir.Folder());
    TConfigDunmir cfg;
    for (const char* name : {"../../x", "a/b", "a\\b", ".", "..", "/abs"}) {
        EXPECT_EQ(cfg.ChooseProjectFile("DUNMIR", name), "") << name;
    }
    EXPECT_TRUE(seam.FileDialogs().empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}
