#include "platform/FileWrite.h"

#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct WriteSeam {
    explicit WriteSeam(WriteFunction f) : previous(SetWriteFunction(f)) {}
    ~WriteSeam() { SetWriteFunction(previous); }
    WriteFunction previous;
};

} // namespace

TEST(ReplaceFile, WritesTheWholeTextAndKeepsTheFilesMode) {
    TempDir dir;
    const std::string path = dir.File("blink.qpf");
    int error = -1;
    ASSERT_EQ(ReplaceFile(path, "first\r\n", error), ReplaceResult::Ok);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(ReadFile(path), "first\r\n");
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(ReplaceFile(path, "second", error), ReplaceResult::Ok);
    EXPECT_EQ(ReadFile(path), "second");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    // Through a link the file it names is replaced; the link stays.
    fs::create_symlink(path, dir.File("link.qpf"));
    ASSERT_EQ(ReplaceFile(dir.File("link.qpf"), "third", error), ReplaceResult::Ok);
    EXPECT_TRUE(fs::is_symlink(dir.File("link.qpf")));
    EXPECT_EQ(ReadFile(path), "third");
    EXPECT_EQ(FilesIn(dir.Path()), (std::vector<std::string>{"blink.qpf", "link.qpf"}));
}

TEST(ReplaceFile, AFailedWriteLeavesThePreviousFileAndNoTemporaryOne) {
    struct Case {
        const char* name;
        WriteFunction write;
        ReplaceResult result;
        int error;
    };
    const Case cases[] = {
        {"short", [](int fd, const void* b, std::size_t n) { return ::write(fd, b, n / 2); },
         ReplaceResult::ShortWrite, ENOSPC},
        {"disk full",
         [](int, const void*, std::size_t) -> ssize_t {
             errno = ENOSPC;
             return -1;
         },
         ReplaceResult::WriteFailed, ENOSPC},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = dir.File("blink.qsf");
        WriteFile(path, "previous");
        int error = 0;
        {
            WriteSeam cut(c.write);
            EXPECT_EQ(ReplaceFile(path, "a longer new text", error), c.result) << c.name;
        }
        EXPECT_EQ(error, c.error) << c.name;
        EXPECT_EQ(ReadFile(path), "previous") << c.name;
        EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"blink.qsf"}) << c.name;
    }
}

TEST(ReplaceFile, AWriteThatTakesPartOfTheBytesIsContinued) {
    TempDir dir;
    const std::string path = dir.File("blink.v");
    WriteFile(path, "previous");
    int error = -1;
    {
        WriteSeam few([](int fd, const void* b, std::size_t n) { return ::write(fd, b, n < 3 ? n : 3); });
        ASSERT_EQ(ReplaceFile(path, "module blink;\r\nendmodule\r\n", error), ReplaceResult::Ok);
    }
    EXPECT_EQ(error, 0);
    EXPECT_EQ(ReadFile(path), "module blink;\r\nendmodule\r\n");
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"blink.v"});
}

TEST(ReplaceFile, WhatIsNoRegularFileIsRefusedAndStaysAsItWas) {
    struct Case {
        const char* name;
        std::function<void(const std::string& target, const std::string& folder)> make;
        int error;
    };
    const Case cases[] = {
        {"pipe", [](const std::string& t, const std::string&) { ASSERT_EQ(::mkfifo(t.c_str(), 0644), 0); },
         EEXIST},
        {"link to a pipe",
         [](const std::string& t, const std::string& folder) {
             ASSERT_EQ(::mkfifo((folder + "fifo").c_str(), 0644), 0);
             fs::create_symlink(folder + "fifo", t);
         },
         EEXIST},
        {"folder", [](const std::string& t, const std::string&) { fs::create_directory(t); }, EISDIR},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string target = dir.File("blink.qpf");
        c.make(target, dir.Folder());
        const std::vector<std::string> before = FilesIn(dir.Path());
        int error = 0;
        EXPECT_FALSE(CanReplaceFile(target, error)) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
        EXPECT_EQ(ReplaceFile(target, "x", error), ReplaceResult::CannotCreate) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
        EXPECT_EQ(FilesIn(dir.Path()), before) << c.name;
        struct stat st {};
        ASSERT_EQ(::stat(target.c_str(), &st), 0) << c.name;
        EXPECT_FALSE(S_ISREG(st.st_mode)) << c.name;
        if (S_ISDIR(st.st_mode)) {
            EXPECT_TRUE(fs::is_empty(target)) << c.name;
        }
    }
}

TEST(ReplaceFile, AMissingFolderCannotBeWritten) {
    TempDir dir;
    int error = 0;
    EXPECT_FALSE(CanReplaceFile(dir.File("missing/blink.v"), error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_EQ(ReplaceFile(dir.File("missing/blink.v"), "x", error), ReplaceResult::CannotCreate);
    EXPECT_EQ(error, ENOENT);
    EXPECT_TRUE(FilesIn(dir.Path()).empty());
    EXPECT_TRUE(CanReplaceFile(dir.File("blink.v"), error));
}

TEST(ReplaceFile, AWritableFileInAReadOnlyFolderIsWrittenInPlace) {
    TempDir dir;
    fs::permissions(dir.Path(), fs::perms::all & ~fs::perms::others_write & ~fs::perms::group_write);
    const fs::path locked = dir.Path() / "locked";
    fs::create_directory(locked);
    const std::string target = (locked / "blink.qsf").string();
    WriteFile(target, "a longer previous text");
    ::chmod(target.c_str(), 0666);
    ::chmod(locked.c_str(), 0555);
    const std::optional<bool> ok = testsupport::AsUnprivilegedUser([&] {
        int error = 0;
        const bool can = CanReplaceFile(target, error);
        const bool written = ReplaceFile(target, "new", error) == ReplaceResult::Ok;
        // A new file there cannot be made, by either road.
        const std::string other = (locked / "other.qsf").string();
        const bool refused = !CanReplaceFile(other, error) && error == EACCES &&
                             ReplaceFile(other, "x", error) == ReplaceResult::CannotCreate && error == EACCES;
        return can && written && refused && ReadFile(target) == "new" &&
               FilesIn(locked) == std::vector<std::string>{"blink.qsf"};
    });
    ::chmod(locked.c_str(), 0755);
    if (!ok)
        GTEST_SKIP() << "cannot drop root privileges here";
    EXPECT_TRUE(*ok);
}
