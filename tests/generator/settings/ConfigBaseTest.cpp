#include "settings/ConfigBase.h"
#include "boards/latest/dunmir/ConfigDunmir.h"

#include "model/ConnectorType.h"

#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using platform::testing::ScriptedPlatform;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {
using GLAVIN_CONFIG = ConfigRecord<272>;
using XYLMAR_CONFIG = ConfigRecord<404>;
} // namespace

TEST(ConfigBase, StartsEmpty) {
    TConfigBase<XYLMAR_CONFIG> s;
    EXPECT_EQ(s.Config, XYLMAR_CONFIG{});
    EXPECT_EQ(s.LastFolder, "");
    EXPECT_EQ(s.DaughterCount, 0);
}

TEST(ConfigBase, LoadAndSaveTheGivenRecord) {
    ScriptedPlatform seam;
    TempDir dir;
    TConfigBase<XYLMAR_CONFIG> s;
    s.Config.SetHead(24);
    s.Config.SetProjectName("XYLMAR");
    ASSERT_TRUE(s.SaveConfigFile(s.Config, dir.File("x.cfg")));
    EXPECT_EQ(ReadFile(dir.File("x.cfg")).size(), 404u);

    TConfigBase<XYLMAR_CONFIG> t;
    ASSERT_TRUE(t.LoadConfigFile(t.Config, dir.File("x.cfg")));
    EXPECT_EQ(t.Config, s.Config);
    WriteFile(dir.File("y.cfg"), std::string(405, 'y'));
    EXPECT_FALSE(t.LoadConfigFile(t.Config, dir.File("y.cfg")));
    EXPECT_EQ(t.Config, s.Config);
    EXPECT_TRUE(seam.Boxes().empty());
}

TEST(ConfigBase, RecordsOfEqualSizeShareDefaultCfg) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetProgramFolder(dir.Folder());
    TConfigDunmir dunmir;
    dunmir.Config.SetHead(30);
    dunmir.Config.SetProjectName("DUNMIR");
    ASSERT_TRUE(dunmir.SaveDefaultConfig());

    TConfigBase<GLAVIN_CONFIG> glavin;
    ASSERT_TRUE(glavin.LoadDefaultConfig());
    EXPECT_EQ(ReadFile(dir.File("default.cfg")),
              std::string(reinterpret_cast<const char*>(glavin.Config.data()), 272));
    TConfigBase<XYLMAR_CONFIG> xylmar;
    EXPECT_FALSE(xylmar.LoadDefaultConfig());
}

TEST(ConfigBase, DialogsListAndProjectFolder) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetProgramFolder(dir.Folder());
    TConfigBase<XYLMAR_CONFIG> s;
    s.LastFolder = dir.Folder();
    seam.AnswerFile(dir.File("saved.cfg"));
    ASSERT_TRUE(s.SaveConfigAs());
    EXPECT_EQ(seam.FileDialogs().back().request.fileName, "");
    seam.AnswerFile(dir.File("saved.cfg"));
    EXPECT_TRUE(s.LoadConfigFrom());

    s.BuildDaughterList(CONNECTOR_MOXEN_2x6, false, 2);
    ASSERT_EQ(s.DaughterCount, 3);
    EXPECT_EQ(s.DaughterIds[1], 69);
    EXPECT_EQ(s.DaughterIds[2], 70);

    seam.CancelFile();
    EXPECT_EQ(s.ChooseProjectFile("XYLMAR", "blink"), "");
    EXPECT_EQ(seam.FileDialogs().back().request.initialDir, dir.Folder() + "CodeGenerated/XYLMAR/blink/");
    // Save Setting shares the project file's dialog, and proposes what that dialog proposed last.
    seam.CancelFile();
    EXPECT_FALSE(s.SaveConfigAs());
    EXPECT_EQ(seam.FileDialogs().back().request.fileName, "blink.qpf");
}
