#include "control_panel/SimBoardFixture.h"

#include "control_panel/link/LibraryLoadError.h"

#include <cerrno>
#include <filesystem>
#include <unistd.h>

using platform::Icon;

namespace {

class JtagAtlantic : public SimBoardTest {
protected:
    // A vendor tree of the test's own, with the folders given.
    std::string MakeRoot(std::initializer_list<const char*> folders) {
        std::string rootDir = temp.File("quartus");
        for (const char* f : folders)
            std::filesystem::create_directories(rootDir + "/" + f);
        std::filesystem::create_directories(rootDir);
        return rootDir;
    }

    void ExpectDriverNotFound(const platform::testing::ShownBox& box, int code) {
        EXPECT_EQ(box.text, "Fail to find jtag driver!\r\nError Code=" + std::to_string(code));
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.icon, Icon::None);
    }
};

TEST_F(JtagAtlantic, LoadsTheSimulatedLibraryWithAllElevenEntryPoints) {
    CJtagLink link;
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_TRUE(link.Open());
    EXPECT_TRUE(link.IsOpen());
    EXPECT_TRUE(link.Close());
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(link.Close());
    // The current folder goes back to the program's folder after the load.
    EXPECT_EQ(std::filesystem::current_path(), temp.Path());
}

TEST_F(JtagAtlantic, WithoutALibraryTellsTheErrorCodeAndMovesNoBytes) {
    ScopedEnv emptyRoot("QUARTUS_ROOTDIR", MakeRoot({"bin64"}));
    ProbedLink link;
    ASSERT_EQ(seam.Boxes().size(), 1u);
    ExpectDriverNotFound(seam.Boxes()[0], ENOENT);
    EXPECT_EQ(link.LoadErrorCode(), ENOENT);
    EXPECT_NE(link.LoadErrorText().find("libjtag_atlantic.so"), std::string::npos) << link.LoadErrorText();

    uint8_t bytes[4] = {0xAA, 0, 0, 0};
    EXPECT_EQ(link.Read(bytes, sizeof bytes), 0);
    EXPECT_EQ(link.Write(bytes, sizeof bytes), 0);
    EXPECT_FALSE(link.Open());
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(link.SetLed(1));
}

TEST_F(JtagAtlantic, WithoutAProgrammerFolderWarnsAndStillTriesTheSystemSearch) {
    for (std::optional<std::string> value : {std::optional<std::string>(), std::optional<std::string>(""),
                                             std::optional<std::string>(MakeRoot({"linux64"}))}) {
        seam.ClearRecords();
        ScopedEnv rootDir("QUARTUS_ROOTDIR", value);
        CJtagLink link;
        ASSERT_EQ(seam.Boxes().size(), 2u);
        EXPECT_EQ(seam.Boxes()[0].text, "Failed to find Quartus installatino folder!");
        EXPECT_EQ(seam.Boxes()[0].caption, "Warning");
        EXPECT_EQ(seam.Boxes()[0].icon, Icon::Warning);
        ExpectDriverNotFound(seam.Boxes()[1], ENOENT);
    }
}

TEST_F(JtagAtlantic, ALibraryFileThatCannotBeLoadedTellsWhy) {
    struct Case {
        const char* folder;
        bool isFolder; // a folder of the library's name, else a text file
        int code;
    };
    const Case cases[] = {
        {"bin64", false, ENOEXEC},
        {"bin64", true, EISDIR},
        {"linux64", false, ENOEXEC},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.folder) + (c.isFolder ? " folder" : " file"));
        seam.ClearRecords();
        std::filesystem::remove_all(temp.File("quartus"));
        const std::string file = MakeRoot({"bin64", c.folder}) + "/" + c.folder + "/libjtag_atlantic.so";
        if (c.isFolder)
            std::filesystem::create_directory(file);
        else
            testsupport::WriteFile(file, "not a library\n");
        ScopedEnv vendorRoot("QUARTUS_ROOTDIR", temp.File("quartus"));
        CJtagLink link;
        ASSERT_EQ(seam.Boxes().size(), 1u);
        ExpectDriverNotFound(seam.Boxes()[0], c.code);
        EXPECT_EQ(link.LoadErrorCode(), c.code);
        // The loader's own words stay at hand.
        EXPECT_EQ(link.LoadErrorText().rfind(file, 0), 0u) << link.LoadErrorText();
        EXPECT_FALSE(link.Open());
    }
}

TEST_F(JtagAtlantic, TheCodeOfAFailedLoadComesFromTheFileTheLoaderNamed) {
    testsupport::WriteFile(temp.File("text.so"), "not a library\n");
    const std::string sim = std::string(BOARDSIM_ROOT) + "/bin64/libjtag_atlantic.so";
    struct Case {
        std::string path;
        std::string message;
        int code;
    };
    const Case cases[] = {
        // The system's search found nothing.
        {"libjtag_atlantic.so",
         "libjtag_atlantic.so: cannot open shared object file: No such file or directory", ENOENT},
        // It found a file that is no library.
        {"libjtag_atlantic.so", temp.File("text.so") + ": invalid ELF header", ENOEXEC},
        {temp.File("gone.so"), temp.File("gone.so") + ": cannot open shared object file", ENOENT},
        // A library of the right kind whose own needs are missing.
        {sim, "libneeded.so: cannot open shared object file: No such file or directory", ENOENT},
        {sim, sim + ": undefined symbol: needed", ENOEXEC},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LibraryLoadErrorCode(c.path, c.message), c.code) << c.path << " " << c.message;
}

TEST_F(JtagAtlantic, FindsTheLibraryInTheVendorsLinux64Folder) {
    std::string rootDir = MakeRoot({"bin", "linux64"});
    std::filesystem::create_symlink(std::string(BOARDSIM_ROOT) + "/bin64/libjtag_atlantic.so",
                                    rootDir + "/linux64/libjtag_atlantic.so");
    ScopedEnv vendorRoot("QUARTUS_ROOTDIR", rootDir);
    CJtagLink link;
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_TRUE(link.Open());
}

TEST_F(JtagAtlantic, ALibraryLackingAnEntryPointCountsAsNotFoundWithoutABox) {
    ScopedEnv partial("QUARTUS_ROOTDIR", std::string(BOARDSIM_PARTIAL_ROOT));
    CJtagLink link;
    EXPECT_TRUE(seam.Boxes().empty());
    EXPECT_FALSE(link.Open());
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(link.Load());
}

TEST_F(JtagAtlantic, AcceptsOnlyCablesWhoseNameBeginsWithUsbBlaster) {
    struct Case {
        const char* cable;
        bool accepted;
    };
    const Case cases[] = {
        {"USB-Blaster [USB-0]", true},
        {"USB-BlasterII on localhost [1-1]", true},
        {"My USB-Blaster", false},
        {"usb-blaster [USB-0]", false},
    };
    for (const Case& c : cases) {
        ScopedEnv cableName("BOARDSIM_CABLE", std::string(c.cable));
        CJtagLink link;
        EXPECT_EQ(link.Open(), c.accepted) << c.cable;
        // A refused cable's connection stays open for the caller to close.
        EXPECT_TRUE(link.IsOpen()) << c.cable;
    }
}

TEST_F(JtagAtlantic, NoCableMeansNoConnection) {
    ScopedEnv noCable("BOARDSIM_FAULT", std::string("no-cable"));
    CJtagLink link;
    EXPECT_FALSE(link.Open());
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(JtagAtlantic, OpeningAgainClosesTheOldConnectionFirst) {
    CJtagLink link;
    CJtagLink other;
    ASSERT_TRUE(link.Open());
    // The cable serves one connection at a time.
    EXPECT_FALSE(other.Open());
    EXPECT_TRUE(link.Open());
    EXPECT_TRUE(link.CJtagAtlantic::Open(nullptr, 0, -1, nullptr));
    link.Close();
    EXPECT_TRUE(other.Open());
}

} // namespace
