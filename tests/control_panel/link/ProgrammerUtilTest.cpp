#include "control_panel/SimBoardFixture.h"

#include "control_panel/link/ProgrammerUtil.h"
#include "platform/FileWrite.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

class ProgrammerUtil : public SimBoardTest {
protected:
    std::string Script(const char* name) const { return temp.File(name); }
    bool Exists(const char* name) const { return fs::exists(temp.File(name)); }

    // A vendor tree of the test's own whose programmer folders hold the stand-in.
    std::string MakeRoot(std::initializer_list<const char*> bins) const {
        std::string rootDir = temp.File("quartus");
        for (const char* bin : bins) {
            fs::create_directories(rootDir + "/" + bin);
            fs::create_symlink(std::string(BOARDSIM_ROOT) + "/bin64/quartus_pgm",
                               rootDir + "/" + bin + "/quartus_pgm");
        }
        fs::create_directories(rootDir);
        return rootDir;
    }

    // The script and any file whose name begins with it (a temporary one beside it).
    std::vector<std::string> Beside(const std::string& script) const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(temp.Path()))
            if (e.path().filename().string().starts_with(script))
                names.push_back(e.path().filename().string());
        return names;
    }

    CProgrammerUtil util;
};

// Every write stops halfway, as on a full disk, for the life of the object.
struct FullDisk {
    FullDisk()
        : previous(platform::SetWriteFunction([](int, const void*, std::size_t size) -> ssize_t {
              return static_cast<ssize_t>(size / 2);
          })) {}
    ~FullDisk() { platform::SetWriteFunction(previous); }
    platform::WriteFunction previous;
};

const std::string HEADER = "#!/bin/sh\n"
                           "# REM ######################################\n"
                           "# REM # Variable to ignore <CR> in DOS\n"
                           "# REM # line endings\n"
                           "# set SHELLOPTS=igncr\n"
                           "\n"
                           "# REM ######################################\n"
                           "# REM # Variable to ignore mixed paths\n"
                           "# REM # i.e. G:/$SOPC_KIT_NIOS2/bin\n"
                           "# set CYGWIN=nodosfilewarning\n"
                           "\n";

TEST(ProgrammerUtilText, FolderOfAPath) {
    const std::pair<const char*, const char*> cases[] = {
        {"/opt/lumastat/lumastat", "/opt/lumastat"},
        {"/lumastat", "/lumastat"},
        {"lumastat", "lumastat"},
        {"build/lumastat", "build"},
    };
    for (const auto& [path, folder] : cases)
        EXPECT_EQ(CProgrammerUtil::GetFolder(path), folder) << path;
}

TEST_F(ProgrammerUtil, FindsTheProgrammerFolders) {
    struct Case {
        std::initializer_list<const char*> bins;
        const char* bin;
        const char* bin64;
    };
    const Case cases[] = {
        {{"bin64", "bin32", "bin"}, "/bin64", "/bin64"},
        {{"bin32", "bin"}, "/bin32", ""},
        {{"bin"}, "/bin", ""},
        {{}, "", ""},
    };
    for (const Case& c : cases) {
        fs::remove_all(temp.File("quartus"));
        std::string rootDir = MakeRoot(c.bins);
        ScopedEnv vendorRoot("QUARTUS_ROOTDIR", rootDir);
        EXPECT_EQ(CProgrammerUtil::GetQuartusBinDir(), *c.bin ? rootDir + c.bin : "");
        EXPECT_EQ(CProgrammerUtil::GetQuartusBin64Dir(), *c.bin64 ? rootDir + c.bin64 : "");
    }
    // No installation named: not even the system's own /bin.
    for (std::optional<std::string> value : {std::optional<std::string>(), std::optional<std::string>("")}) {
        ScopedEnv vendorRoot("QUARTUS_ROOTDIR", value);
        EXPECT_EQ(CProgrammerUtil::GetQuartusBinDir(), "");
        EXPECT_EQ(CProgrammerUtil::GetQuartusBin64Dir(), "");
    }
}

TEST_F(ProgrammerUtil, DetectionReturnsWhatTheProgrammerPrintedAndCleansUp) {
    std::string output;
    ASSERT_TRUE(util.RunQuartusPgm("-a", output));
    EXPECT_NE(output.find("USB-Blaster [USB-0]"), std::string::npos) << output;
    EXPECT_NE(output.find("10M50"), std::string::npos) << output;
    EXPECT_FALSE(Exists("quartus_pgm.sh"));
    EXPECT_FALSE(Exists("result.txt"));
}

TEST_F(ProgrammerUtil, AFailedDetectionLeavesItsScriptAndResult) {
    ScopedEnv fault("BOARDSIM_FAULT", std::string("pgm-fail"));
    std::string output = "kept";
    EXPECT_FALSE(util.RunQuartusPgm("-a", output));
    EXPECT_EQ(output, "kept");
    // One line, no line end.
    EXPECT_EQ(testsupport::ReadFile(Script("quartus_pgm.sh")),
              "\"" BOARDSIM_ROOT "/bin64/quartus_pgm\" -a > \"" + temp.File("result.txt") + "\"");
    EXPECT_TRUE(Exists("result.txt"));
}

TEST_F(ProgrammerUtil, ADetectionThatPrintsNothingFails) {
    ScopedEnv fault("BOARDSIM_FAULT", std::string("pgm-silent"));
    std::string output;
    EXPECT_FALSE(util.RunQuartusPgm("-a", output));
    EXPECT_TRUE(Exists("quartus_pgm.sh"));
}

TEST_F(ProgrammerUtil, WithoutAProgrammerFolderDetectionFailsAtOnce) {
    testsupport::WriteFile(Script("quartus_pgm.sh"), "old");
    testsupport::WriteFile(Script("result.txt"), "old");
    ScopedEnv noRoot("QUARTUS_ROOTDIR", std::nullopt);
    std::string output;
    EXPECT_FALSE(util.RunQuartusPgm("-a", output));
    EXPECT_FALSE(Exists("quartus_pgm.sh"));
    EXPECT_FALSE(Exists("result.txt"));
}

TEST_F(ProgrammerUtil, AProgrammerThatHangsIsKilledAfterTheTimeOut) {
    ScopedEnv fault("BOARDSIM_FAULT", std::string("pgm-hang"));
    std::string pidFile = StateFolder() + "/pgm.pid";
    // Time runs out once the stand-in is up.
    seam.SetOnProcessEvents([&] {
        if (fs::exists(pidFile))
            clock.Advance(100000);
    });
    std::string output;
    EXPECT_FALSE(util.RunQuartusPgm("-a", output));
    ASSERT_TRUE(fs::exists(pidFile));
    pid_t pid = std::stoi(testsupport::ReadFile(pidFile));
    // Killed: gone, or a zombie waiting for whoever adopted it.
    auto isDead = [&] {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        return !std::getline(stat, line) || line.find(") Z ") != std::string::npos;
    };
    bool dead = isDead();
    for (int i = 0; i < 5000 && !dead; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        dead = isDead();
    }
    EXPECT_TRUE(dead);
    if (!dead)
        kill(pid, SIGKILL);
}

TEST_F(ProgrammerUtil, ConfigurationScriptIsExactAndStays) {
    testsupport::WriteFile(temp.File("Lumastat.sof"), testsupport::ReadFile(LUMASTAT_SOF));
    SetState("configured", "0");
    EXPECT_TRUE(util.ConfigureFpga("Lumastat.sof", 15000));
    EXPECT_EQ(testsupport::ReadFile(StateFolder() + "/configured"), "1\n");
    EXPECT_EQ(testsupport::ReadFile(Script("fpga_config.sh")),
              HEADER + "\"" BOARDSIM_ROOT "/bin64/quartus_pgm\" -m jtag -c 1 -o \"p;Lumastat.sof\"\n\n");
}

TEST_F(ProgrammerUtil, ConfigurationFailsWhenTheProgrammerDoes) {
    testsupport::WriteFile(temp.File("Lumastat.sof"), testsupport::ReadFile(LUMASTAT_SOF));
    {
        ScopedEnv fault("BOARDSIM_FAULT", std::string("pgm-fail=config"));
        EXPECT_FALSE(util.ConfigureFpga("Lumastat.sof", 15000));
        EXPECT_TRUE(Exists("fpga_config.sh"));
    }
    // Without the design beside the program.
    fs::remove(temp.File("Lumastat.sof"));
    EXPECT_FALSE(util.ConfigureFpga("Lumastat.sof", 15000));
}

TEST_F(ProgrammerUtil, AScriptIsWrittenWholeOrNotAtAll) {
    testsupport::WriteFile(Script("fpga_config.sh"), "previous\n");
    {
        FullDisk full;
        EXPECT_FALSE(CProgrammerUtil::WriteTextFile(Script("fpga_config.sh"), HEADER));
    }
    EXPECT_EQ(testsupport::ReadFile(Script("fpga_config.sh")), "previous\n");
    EXPECT_EQ(Beside("fpga_config.sh"), std::vector<std::string>{"fpga_config.sh"});

    // Both runs delete their script before writing it: a failed write leaves none, and
    // the programmer is not started.
    testsupport::WriteFile(temp.File("Lumastat.sof"), testsupport::ReadFile(LUMASTAT_SOF));
    SetState("configured", "0");
    {
        FullDisk full;
        std::string output = "kept";
        EXPECT_FALSE(util.RunQuartusPgm("-a", output));
        EXPECT_EQ(output, "kept");
        EXPECT_FALSE(util.ConfigureFpga("Lumastat.sof", 15000));
    }
    EXPECT_EQ(Beside("quartus_pgm.sh"), std::vector<std::string>{});
    EXPECT_EQ(Beside("fpga_config.sh"), std::vector<std::string>{});
    EXPECT_FALSE(Exists("result.txt"));
    EXPECT_EQ(testsupport::ReadFile(StateFolder() + "/configured"), "0");
}

TEST_F(ProgrammerUtil, WithoutBin64OnlyDetectionRuns) {
    ScopedEnv vendorRoot("QUARTUS_ROOTDIR", MakeRoot({"bin32"}));
    testsupport::WriteFile(temp.File("Lumastat.sof"), testsupport::ReadFile(LUMASTAT_SOF));
    std::string output;
    EXPECT_TRUE(util.RunQuartusPgm("-a", output));
    EXPECT_FALSE(util.ConfigureFpga("Lumastat.sof", 15000));
    EXPECT_EQ(testsupport::ReadFile(Script("fpga_config.sh")),
              HEADER + "\"/quartus_pgm\" -m jtag -c 1 -o \"p;Lumastat.sof\"\n\n");
}

TEST_F(ProgrammerUtil, PathsAreQuotedForTheShell) {
    fs::create_directories(temp.File("odd $dir \"x\""));
    seam.SetProgramPath(temp.File("odd $dir \"x\"/lumastat"));
    std::string output;
    EXPECT_TRUE(util.RunQuartusPgm("-a", output));
    EXPECT_NE(output.find("10M50"), std::string::npos);
}

TEST_F(ProgrammerUtil, ReadsTextUpToItsFirstZeroByte) {
    struct Case {
        std::string bytes;
        bool ok;
        const char* text;
    };
    const Case cases[] = {
        {"10M50\n", true, "10M50\n"},
        {std::string("ab\0cd", 5), true, "ab"},
        {"", false, "kept"},
    };
    for (const Case& c : cases) {
        testsupport::WriteFile(temp.File("result.txt"), c.bytes);
        std::string text = "kept";
        EXPECT_EQ(CProgrammerUtil::ReadTextFile(temp.File("result.txt"), text), c.ok);
        EXPECT_EQ(text, c.text);
    }
    std::string text;
    EXPECT_FALSE(CProgrammerUtil::ReadTextFile(temp.File("missing.txt"), text));
}

TEST_F(ProgrammerUtil, PumpsAtLeastOnceAndUntilTheTimeHasPassed) {
    int pumped = 0;
    seam.SetOnProcessEvents([&] { ++pumped; });
    EXPECT_GE(PumpMessages(0), 0u);
    EXPECT_EQ(pumped, 1);
    pumped = 0;
    EXPECT_GE(PumpMessages(50), 50u);
    EXPECT_GT(pumped, 1);
}

} // namespace
