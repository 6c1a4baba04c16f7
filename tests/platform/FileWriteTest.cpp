#include "platform/FileWrite.h"

#include "support/TempDir.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
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

TEST(ReplaceFile, AFolderOrAMissingFolderCannotBeReplaced) {
    TempDir dir;
    fs::create_directory(dir.File("blink.v"));
    int error = 0;
    EXPECT_EQ(ReplaceFile(dir.File("blink.v"), "x", error), ReplaceResult::CannotCreate);
    EXPECT_EQ(error, EISDIR);
    EXPECT_TRUE(fs::is_empty(dir.File("blink.v")));
    EXPECT_EQ(ReplaceFile(dir.File("missing/blink.v"), "x", error), ReplaceResult::CannotCreate);
    EXPECT_EQ(error, ENOENT);
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"blink.v"});
}
