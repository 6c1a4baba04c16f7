#include "boards/latest/dunmir/ConfigDunmir.h"
#include "boards/latest/forvik/ConfigForvik.h"

#include "platform/FileWrite.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>

using platform::testing::ScriptedPlatform;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

TEST(ConfigBoard, DunmirAndForvikAddNothingToTheProject) {
    ScriptedPlatform seam;
    TempDir dir;
    TConfigDunmir dunmir;
    TConfigForvik forvik;
    for (TConfigBoard* board : {static_cast<TConfigBoard*>(&dunmir), static_cast<TConfigBoard*>(&forvik)}) {
        EXPECT_EQ(board->GetQsfAssignments(), "");
        EXPECT_EQ(board->GetStructuralCode(), "");
        EXPECT_TRUE(board->ExportVerilogModules(dir.Folder()));
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(ConfigBoard, ForvikRecord) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetProgramFolder(dir.Folder());
    TConfigForvik forvik;
    EXPECT_EQ(forvik.Config.size(), 416u);
    forvik.Config.SetHead(32);
    forvik.Config.SetU8(TConfigForvik::FORVIK_CONFIG::bVideoIn, 1);
    ASSERT_TRUE(forvik.SaveDefaultConfig());
    std::string file = ReadFile(dir.File("default.cfg"));
    ASSERT_EQ(file.size(), 416u);
    EXPECT_EQ(file.substr(0, 8), std::string("\x20\x00\x00\x00\xA0\x01\x00\x00", 8));
    EXPECT_EQ(file[143], 1);

    // Board 30's 272-byte default.cfg does not fit board 32.
    TConfigDunmir dunmir;
    ASSERT_TRUE(dunmir.SaveDefaultConfig());
    TConfigForvik other;
    EXPECT_FALSE(other.LoadDefaultConfig());
    EXPECT_EQ(other.Config, TConfigForvik::FORVIK_CONFIG{});
}

TEST(ConfigBoard, ExportResourceWritesTheResourceFoundWithoutRegardToCase) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetResource("CALVEX_CDCM6208_CONFIG_VERILOG", "module cdcm;\r\nendmodule\r\n");
    WriteFile(dir.File("old.v"), "old");
    // One missing folder level is created.
    EXPECT_TRUE(TConfigBoard::ExportResource(dir.File("old.v"), "calvex_cdcm6208_config_verilog"));
    EXPECT_TRUE(TConfigBoard::ExportResource(dir.File("ip/new.v"), "CALVEX_CDCM6208_config_verilog"));
    EXPECT_EQ(ReadFile(dir.File("old.v")), "module cdcm;\r\nendmodule\r\n");
    EXPECT_EQ(ReadFile(dir.File("ip/new.v")), "module cdcm;\r\nendmodule\r\n");
    EXPECT_TRUE(seam.Boxes().empty());
}

TEST(ConfigBoard, ExportResourceFailures) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetResource("KNOWN", "bytes");
    WriteFile(dir.File("old.v"), "old");
    // An unknown resource deletes nothing.
    EXPECT_FALSE(TConfigBoard::ExportResource(dir.File("old.v"), "UNKNOWN"));
    EXPECT_EQ(ReadFile(dir.File("old.v")), "old");
    // Only one folder level is created.
    EXPECT_FALSE(TConfigBoard::ExportResource(dir.File("a/b/new.v"), "KNOWN"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "a" / "b"));
    // A write that fails (a full disk) leaves the previous file as it was.
    platform::WriteFunction previous =
        platform::SetWriteFunction([](int, const void*, std::size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        });
    EXPECT_FALSE(TConfigBoard::ExportResource(dir.File("old.v"), "KNOWN"));
    platform::SetWriteFunction(previous);
    EXPECT_EQ(ReadFile(dir.File("old.v")), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    EXPECT_TRUE(seam.Boxes().empty());
}
