#include "ConfigFile.h"

#include "platform/FileWrite.h"
#include "platform/Platform.h"
#include "platform/Text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace configfile {

namespace {

const char* const kCfgFilter = "Board Configuration Files (*.cfg)|*.CFG";
const char* const kCfgExt = "cfg";

// A descriptor that is closed whatever happens.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now and tells whether the close succeeded.
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

mode_t NewFileMode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

platform::FileDialogRequest CfgDialog(const std::string& lastFolder) {
    platform::FileDialogRequest r;
    r.filter = kCfgFilter;
    r.defaultExt = kCfgExt;
    r.initialDir = lastFolder;
    return r;
}

} // namespace

bool Load(const std::string& path, uint8_t* record, std::size_t size) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    if (static_cast<int64_t>(st.st_size) != static_cast<int64_t>(size))
        return false;
    std::vector<uint8_t> buffer(size);
    std::size_t got = 0;
    while (got < size) {
        ssize_t n = ::read(fd.get(), buffer.data() + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        got += static_cast<std::size_t>(n);
    }
    std::copy(buffer.begin(), buffer.end(), record);
    return true;
}

WriteResult WriteReplacing(const std::string& target, const void* bytes, std::size_t size) {
    // Through a link the file it names is replaced, not the link.
    std::string path = target;
    struct stat link {};
    if (::lstat(target.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (char* real = ::realpath(target.c_str(), nullptr)) {
            path = real;
            std::free(real);
        }
    }
    // A file the user may not write stays as it is, as it would without the rename.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        return WriteResult::CreateFailed;
    mode_t mode = NewFileMode(path);
    std::string temp = path + ".XXXXXX";
    Fd fd(::mkstemp(temp.data()));
    if (fd.get() < 0)
        return WriteResult::CreateFailed;
    auto fail = [&](WriteResult r) {
        fd.Close();
        ::unlink(temp.c_str());
        return r;
    };
    ::fchmod(fd.get(), mode);
    ssize_t written = platform::WriteOnce(fd.get(), bytes, size);
    if (written < 0)
        return fail(WriteResult::CreateFailed);
    if (static_cast<std::size_t>(written) != size)
        return fail(WriteResult::ShortWrite);
    if (::fsync(fd.get()) != 0)
        return fail(WriteResult::ShortWrite);
    if (!fd.Close()) {
        ::unlink(temp.c_str());
        return WriteResult::ShortWrite;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return WriteResult::CreateFailed;
    }
    return WriteResult::Ok;
}

bool Save(const std::string& path, const uint8_t* record, std::size_t size) {
    switch (WriteReplacing(path, record, size)) {
    case WriteResult::Ok:
        return true;
    case WriteResult::ShortWrite:
        platform::ShowMessage("Failed to write file.", "Error", platform::Icon::Error);
        return false;
    case WriteResult::CreateFailed:
        break;
    }
    platform::ShowMessage("Failed to create file.", "Error", platform::Icon::Error);
    return false;
}

std::string DefaultConfigPath() {
    return platform::Format("%s%s", platform::Current().ProgramFolder().c_str(), "default.cfg");
}

std::string AskSavePath(std::string& lastFolder, const std::string& projectName) {
    platform::FileDialogRequest r = CfgDialog(lastFolder);
    r.fileName = projectName + ".cfg";
    r.askOverwrite = true;
    std::string path = platform::Current().SaveFileDialog(r);
    if (!path.empty())
        lastFolder = platform::ExtractFilePath(path);
    return path;
}

std::string AskLoadPath(std::string& lastFolder) {
    std::string path = platform::Current().OpenFileDialog(CfgDialog(lastFolder));
    if (!path.empty())
        lastFolder = platform::ExtractFilePath(path);
    return path;
}

} // namespace configfile
