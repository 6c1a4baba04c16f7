#include "settings/ConfigFile.h"
#include "boards/latest/dunmir/ConfigDunmir.h"

#include "platform/FileWrite.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/FifoWatchdog.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using platform::testing::ScriptedPlatform;
using testsupport::AsUnprivilegedUser;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

std::string Bytes(const TConfigDunmir::BOARD_CONFIG& r) {
    return std::string(reinterpret_cast<const char*>(r.data()), r.size());
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A record whose every byte differs from a zeroed one.
TConfigDunmir::BOARD_CONFIG Filled(uint8_t value) {
    TConfigDunmir::BOARD_CONFIG r;
    std::fill(r.data(), r.data() + r.size(), value);
    return r;
}

struct WriteSeam {
    explicit WriteSeam(platform::WriteFunction f) : previous(platform::SetWriteFunction(f)) {}
    ~WriteSeam() { platform::SetWriteFunction(previous); }
    platform::WriteFunction previous;
};

} // namespace

TEST(ConfigFile, DunmirHeadHasTheSizeFirst) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetProgramFolder(dir.Folder());
    TConfigDunmir cfg;
    cfg.Config.SetHead(30);
    cfg.Config.SetProjectName("DUNMIR");
    ASSERT_TRUE(cfg.SaveDefaultConfig());

    std::string file = ReadFile(dir.File("default.cfg"));
    ASSERT_EQ(file.size(), 272u);
    EXPECT_EQ(file.substr(0, 12), std::string("\x10\x01\x00\x00\x1E"
                                              "DUNMIR\0",
                                              12));
    EXPECT_EQ(file, Bytes(cfg.Config));
    EXPECT_EQ(cfg.Config.GetSize(), 272);
    EXPECT_EQ(cfg.Config.GetBoardId(), 30);
    EXPECT_EQ(cfg.Config.GetProjectName(), "DUNMIR");
    EXPECT_TRUE(seam.Boxes().empty());
}

TEST(ConfigFile, CommonHead) {
    ConfigRecord<408> r;
    r.SetHead(20);
    r.SetBoardVariant(2);
    r.SetProjectName("blink");
    std::string head(reinterpret_cast<const char*>(r.data()), 14);
    EXPECT_EQ(head, std::string("\x14\x02\x00\x00\x98\x01\x00\x00"
                                "blink\0",
                                14));
    EXPECT_EQ(r.GetBoardVariant(), 2);
}

TEST(ConfigFile, OnlyTheExactLengthIsTaken) {
    struct Case {
        std::size_t length;
        bool taken;
    };
    for (Case c : {Case{271, false}, Case{273, false}, Case{0, false}, Case{272, true}}) {
        ScriptedPlatform seam;
        TempDir dir;
        seam.SetProgramFolder(dir.Folder());
        // Bytes 0-4 (size and board id) hold what no board writes: the load takes them as they are.
        WriteFile(dir.File("default.cfg"), std::string(c.length, '\xAB'));
        TConfigDunmir cfg;
        cfg.Config = Filled(0x11);
        EXPECT_EQ(cfg.LoadDefaultConfig(), c.taken) << c.length;
        EXPECT_EQ(Bytes(cfg.Config), std::string(272, c.taken ? '\xAB' : '\x11')) << c.length;
        EXPECT_TRUE(seam.Boxes().empty());
    }
}

TEST(ConfigFile, MissingOrNotAFileIsRefusedSilently) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetProgramFolder(dir.Folder());
    TConfigDunmir cfg;
    cfg.Config = Filled(0x11);
    EXPECT_FALSE(cfg.LoadDefaultConfig());
    std::filesystem::create_directory(dir.File("default.cfg"));
    EXPECT_FALSE(cfg.LoadDefaultConfig());
    EXPECT_EQ(Bytes(cfg.Config), std::string(272, '\x11'));
    EXPECT_TRUE(seam.Boxes().empty());
}

TEST(ConfigFile, APipeIsRefusedAtOnceAsDefaultOrChosenFile) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetProgramFolder(dir.Folder());
    testsupport::FifoWatchdog fifo(dir.File("default.cfg"));
    ASSERT_TRUE(fifo.Made());
    TConfigDunmir cfg;
    cfg.Config = Filled(0x11);
    EXPECT_FALSE(cfg.LoadDefaultConfig());
    cfg.LastFolder = dir.Folder();
    seam.AnswerFile(dir.File("default.cfg"));
    EXPECT_FALSE(cfg.LoadConfigFrom());
    EXPECT_FALSE(fifo.Stop()) << "a load waited on the pipe";
    EXPECT_EQ(Bytes(cfg.Config), std::string(272, '\x11'));
    EXPECT_TRUE(seam.Boxes().empty());
}

TEST(ConfigFile, UnterminatedTextIsReadBoundedAndSavedBackUnchanged) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetProgramFolder(dir.Folder());
    std::string file(272, 'N');
    WriteFile(dir.File("default.cfg"), file);
    TConfigDunmir cfg;
    ASSERT_TRUE(cfg.LoadDefaultConfig());
    EXPECT_EQ(cfg.Config.GetProjectName(), std::string(127, 'N'));
    EXPECT_EQ(cfg.Config.Text(TConfigDunmir::BOARD_CONFIG::szGpioPrefixName, 128), std::string(127, 'N'));
    ASSERT_TRUE(cfg.SaveConfigFile(dir.File("copy.cfg")));
    EXPECT_EQ(ReadFile(dir.File("copy.cfg")), file);
}

TEST(ConfigFile, SaveReplacesTheFileAndLeavesNothingElse) {
    ScriptedPlatform seam;
    TempDir dir;
    WriteFile(dir.File("a.cfg"), "old bytes of another length");
    TConfigDunmir cfg;
    cfg.Config = Filled(0x5A);
    ASSERT_TRUE(cfg.SaveConfigFile(dir.File("a.cfg")));
    EXPECT_EQ(ReadFile(dir.File("a.cfg")), std::string(272, '\x5A'));
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"a.cfg"});
    EXPECT_TRUE(seam.Boxes().empty());
}

TEST(ConfigFile, SaveIntoAMissingFolderFailsToCreate) {
    ScriptedPlatform seam;
    TempDir dir;
    TConfigDunmir cfg;
    EXPECT_FALSE(cfg.SaveConfigFile(dir.File("missing/a.cfg")));
    ASSERT_EQ(seam.Boxes().size(), 1u);
    EXPECT_EQ(seam.Boxes()[0].text, "Failed to create file.");
    EXPECT_EQ(seam.Boxes()[0].caption, "Error");
    EXPECT_EQ(seam.Boxes()[0].icon, platform::Icon::Error);
    EXPECT_EQ(seam.Boxes()[0].buttons, platform::Buttons::Ok);
    EXPECT_TRUE(FilesIn(dir.Path()).empty());
}

TEST(ConfigFile, SaveIntoAnUnwritableFolderWritesTheFileInPlace) {
    TempDir dir;
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::all &
                                                 ~std::filesystem::perms::others_write &
                                                 ~std::filesystem::perms::group_write);
    std::filesystem::create_directory(dir.Path() / "locked");
    std::string target = dir.File("locked/a.cfg");
    WriteFile(target, std::string(300, 'o'));
    ::chmod((dir.Path() / "locked").c_str(), 0555);
    ::chmod(target.c_str(), 0666); // only the folder holds a new file back

    std::optional<bool> ok = AsUnprivilegedUser([&] {
        ScriptedPlatform seam;
        TConfigDunmir cfg;
        cfg.Config = Filled(0x5A);
        bool saved = cfg.SaveConfigFile(target);
        // A new file there is still refused.
        bool refused = !cfg.SaveConfigFile(dir.File("locked/b.cfg"));
        return saved && refused && seam.Boxes().size() == 1 &&
               seam.Boxes()[0].text == "Failed to create file." && ReadFile(target) == Bytes(cfg.Config) &&
               FilesIn(dir.Path() / "locked").size() == 1;
    });
    ::chmod((dir.Path() / "locked").c_str(), 0755);
    if (!ok)
        GTEST_SKIP() << "cannot drop root privileges here";
    EXPECT_TRUE(*ok);
}

TEST(ConfigFile, FailedWriteKeepsTheOldFile) {
    struct Case {
        platform::WriteFunction write;
        const char* message;
    };
    const Case cases[] = {
        {[](int fd, const void* b, std::size_t n) { return ::write(fd, b, n - 1); }, "Failed to write file."},
        {[](int, const void*, std::size_t) -> ssize_t { return -1; }, "Failed to create file."},
    };
    for (const Case& c : cases) {
        ScriptedPlatform seam;
        TempDir dir;
        WriteFile(dir.File("a.cfg"), std::string(272, 'o'));
        TConfigDunmir cfg;
        cfg.Config = Filled(0x5A);
        {
            WriteSeam cut(c.write);
            EXPECT_FALSE(cfg.SaveConfigFile(dir.File("a.cfg")));
        }
        ASSERT_EQ(seam.Boxes().size(), 1u);
        EXPECT_EQ(seam.Boxes()[0].text, c.message);
        EXPECT_EQ(seam.Boxes()[0].icon, platform::Icon::Error);
        EXPECT_EQ(ReadFile(dir.File("a.cfg")), std::string(272, 'o'));
        EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"a.cfg"});
    }
}

TEST(ConfigFile, SaveAsProposesTheNameChosenLastAndAsksBeforeReplacing) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetProgramFolder(dir.Folder());
    std::filesystem::create_directory(dir.Path() / "chosen");
    TConfigDunmir cfg;
    cfg.LastFolder = dir.Folder();
    cfg.Config = Filled(0x5A);
    seam.AnswerFile(dir.File("chosen/mine.cfg"));
    ASSERT_TRUE(cfg.SaveConfigAs());

    ASSERT_EQ(seam.FileDialogs().size(), 1u);
    const auto& d = seam.FileDialogs()[0];
    EXPECT_TRUE(d.save);
    EXPECT_EQ(d.request.initialDir, dir.Folder());
    EXPECT_EQ(d.request.fileName, ""); // nothing chosen yet
    EXPECT_EQ(d.request.filter, "Board Configuration Files (*.cfg)|*.CFG");
    EXPECT_EQ(d.request.defaultExt, "cfg");
    EXPECT_TRUE(d.request.askOverwrite);
    EXPECT_EQ(cfg.LastFolder, dir.Folder() + "chosen/");
    EXPECT_EQ(ReadFile(dir.File("chosen/mine.cfg")), std::string(272, '\x5A'));

    // The next save proposes that name again; after a project file was chosen, that one.
    seam.CancelFile();
    EXPECT_FALSE(cfg.SaveConfigAs());
    EXPECT_EQ(seam.FileDialogs().back().request.fileName, "mine.cfg");
    EXPECT_EQ(seam.FileDialogs().back().request.initialDir, dir.Folder() + "chosen/");
    seam.AnswerFile(dir.File("CodeGenerated/DUNMIR/blink/other.qpf"));
    ASSERT_FALSE(cfg.ChooseProjectFile("DUNMIR", "blink").empty());
    seam.CancelFile();
    EXPECT_FALSE(cfg.SaveConfigAs());
    EXPECT_EQ(seam.FileDialogs().back().request.fileName, "other.qpf");
}

TEST(ConfigFile, SaveAsCancelAndFailure) {
    ScriptedPlatform seam;
    TempDir dir;
    TConfigDunmir cfg;
    cfg.LastFolder = dir.Folder();
    seam.CancelFile();
    EXPECT_FALSE(cfg.SaveConfigAs());
    EXPECT_EQ(cfg.LastFolder, dir.Folder());
    EXPECT_TRUE(FilesIn(dir.Path()).empty());

    // The folder is remembered even when the save then fails.
    seam.AnswerFile(dir.File("missing/a.cfg"));
    EXPECT_FALSE(cfg.SaveConfigAs());
    EXPECT_EQ(cfg.LastFolder, dir.Folder() + "missing/");
    ASSERT_EQ(seam.Boxes().size(), 1u);
    EXPECT_EQ(seam.Boxes()[0].text, "Failed to create file.");
}

TEST(ConfigFile, LoadFrom) {
    ScriptedPlatform seam;
    TempDir dir;
    WriteFile(dir.File("good.cfg"), std::string(272, 'g'));
    WriteFile(dir.File("short.cfg"), std::string(100, 's'));
    TConfigDunmir cfg;
    cfg.LastFolder = "/start/";
    cfg.Config = Filled(0x11);

    seam.CancelFile();
    EXPECT_FALSE(cfg.LoadConfigFrom());
    EXPECT_EQ(cfg.LastFolder, "/start/");

    seam.AnswerFile(dir.File("short.cfg"));
    EXPECT_FALSE(cfg.LoadConfigFrom());
    EXPECT_EQ(cfg.LastFolder, dir.Folder());
    EXPECT_EQ(Bytes(cfg.Config), std::string(272, '\x11'));

    seam.AnswerFile(dir.File("good.cfg"));
    EXPECT_TRUE(cfg.LoadConfigFrom());
    EXPECT_EQ(Bytes(cfg.Config), std::string(272, 'g'));

    ASSERT_EQ(seam.FileDialogs().size(), 3u);
    const auto& d = seam.FileDialogs()[0];
    EXPECT_FALSE(d.save);
    EXPECT_EQ(d.request.initialDir, "/start/");
    EXPECT_EQ(d.request.filter, "Board Configuration Files (*.cfg)|*.CFG");
    EXPECT_EQ(d.request.defaultExt, "cfg");
    EXPECT_EQ(seam.FileDialogs()[1].request.initialDir, "/start/");
    EXPECT_EQ(seam.FileDialogs()[2].request.initialDir, dir.Folder());
    EXPECT_TRUE(seam.Boxes().empty());
}
