#include "platform/ProfileFile.h"

#include "support/FifoWatchdog.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using platform::ProfileFile;
using platform::ProfileInt;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

TEST(ProfileFile, ReadsIntegersAsTheProfileApiDoes) {
    struct Case {
        const char* value;
        int32_t read;
    };
    const Case cases[] = {
        {"30", 30}, {"  -5", -5}, {"+7", 7},          {"12abc", 12},      {"abc", 0},
        {"-", 0},   {"0x10", 0},  {"4294967295", -1}, {"4294967326", 30},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProfileInt(c.value), c.read) << c.value;

    const ProfileFile ini("; comment\r\n[other]\r\nMainBoard=1\r\n[ builder ]\r\n  mainboard = 286 \r\n"
                          "MainBoard=2\r\n[Builder]\r\nMainBoard=3\r\n[Empty]\nKey=\n");
    // Names match in any case; the first section and key of a name count.
    EXPECT_EQ(ini.Value("Builder", "MainBoard"), "286");
    EXPECT_EQ(ini.Int("Builder", "MainBoard", 0), 286);
    EXPECT_EQ(ini.Int("Builder", "Missing", 9), 9);
    EXPECT_EQ(ini.Int("Missing", "MainBoard", 9), 9);
    EXPECT_EQ(ini.Int("Empty", "Key", 9), 9);
    EXPECT_EQ(ProfileFile("[Builder]\nMainBoard=4").Int("Builder", "MainBoard", 0), 4);
    EXPECT_EQ(ProfileFile("\xEF\xBB\xBF[Builder]\nMainBoard=5\n").Int("Builder", "MainBoard", 0), 5);
    EXPECT_EQ(ProfileFile("[Builder]\nMainBoard=\"6\"\n").Int("Builder", "MainBoard", 0), 6);
    EXPECT_EQ(ProfileFile("[Builder]\nMainBoard='a b'\n").Value("Builder", "MainBoard"), "a b");
}

TEST(ProfileFile, SettingAKeyKeepsEveryOtherLineAsItStands) {
    struct Case {
        const char* name;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"new file", "", "[Builder]\nMainBoard=30\n"},
        {"value replaced, line ends and comments kept",
         "; board of the last run\r\n[Other]\nKey=value\r\n\r\n[builder]\r\n; id\r\n  mainBoard = 5 "
         "\r\nNext=1\n",
         "; board of the last run\r\n[Other]\nKey=value\r\n\r\n[builder]\r\n; "
         "id\r\nmainBoard=30\r\nNext=1\n"},
        {"key added after the section's last line", "[Builder]\r\nOther=1\r\n\r\n[Next]\r\nA=b\r\n",
         "[Builder]\r\nOther=1\r\nMainBoard=30\r\n\r\n[Next]\r\nA=b\r\n"},
        {"key added to a last line without its end", "[Builder]\nOther=1",
         "[Builder]\nOther=1\nMainBoard=30\n"},
        {"section added with the file's line ends", "[Other]\r\nKey=value",
         "[Other]\r\nKey=value\r\n[Builder]\r\nMainBoard=30\r\n"},
        {"last line without its end kept so", "[Builder]\r\nMainBoard=5", "[Builder]\r\nMainBoard=30"},
    };
    for (const Case& c : cases) {
        ProfileFile ini(c.before);
        ini.Set("Builder", "MainBoard", "30");
        EXPECT_EQ(ini.Text(), c.after) << c.name;
        EXPECT_EQ(ini.Int("Builder", "MainBoard", 0), 30) << c.name;
    }
}

TEST(ProfileFile, EveryReadSeesTheFileAsItIsNow) {
    TempDir dir;
    const std::string path = dir.File("pinwright.INI");
    EXPECT_FALSE(ProfileFile::Read(path));
    ASSERT_TRUE(ProfileFile::ReadOrEmpty(path));
    EXPECT_EQ(ProfileFile::ReadOrEmpty(path)->Text(), "");
    // Rewritten at once with the same size: each read still sees the new value.
    for (const char* value : {"1", "2", "3", "4"}) {
        WriteFile(path, std::string("[Builder]\nMainBoard=") + value + "\n");
        std::optional<ProfileFile> ini = ProfileFile::Read(path);
        ASSERT_TRUE(ini);
        EXPECT_EQ(ini->Value("Builder", "MainBoard"), value);
        ini->Set("Builder", "MainBoard", "9");
        ASSERT_TRUE(ini->Write(path));
        EXPECT_EQ(ProfileFile::Read(path)->Int("Builder", "MainBoard", 0), 9);
    }
    EXPECT_EQ(ReadFile(path), "[Builder]\nMainBoard=9\n");
}

TEST(ProfileFile, OnlyARegularFileIsReadAndNothingWaitsOnAPipe) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("folder.INI"));
    EXPECT_FALSE(ProfileFile::Read(dir.File("folder.INI")));
    EXPECT_FALSE(ProfileFile::ReadOrEmpty(dir.File("folder.INI")));
    EXPECT_FALSE(ProfileFile("x").Write(dir.File("folder.INI")));

    testsupport::FifoWatchdog fifo(dir.File("pipe.INI"));
    ASSERT_TRUE(fifo.Made());
    EXPECT_FALSE(ProfileFile::Read(dir.File("pipe.INI")));
    EXPECT_FALSE(ProfileFile::ReadOrEmpty(dir.File("pipe.INI")));
    EXPECT_FALSE(fifo.Stop()) << "a read waited on the pipe";
}
