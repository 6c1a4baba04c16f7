#include "FileWrite.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

WriteFunction g_write = &::write;

// A new file gets the mode an existing one has, else the usual one under the umask.
mode_t NewFileMode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string ResolvedTarget(const std::string& target) {
    struct stat link {};
    if (::lstat(target.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (char* real = ::realpath(target.c_str(), nullptr)) {
            std::string path = real;
            std::free(real);
            return path;
        }
    }
    return target;
}

} // namespace

WriteFunction SetWriteFunction(WriteFunction f) {
    WriteFunction previous = g_write;
    g_write = f != nullptr ? f : &::write;
    return previous;
}

ssize_t WriteOnce(int fd, const void* bytes, std::size_t size) {
    return g_write(fd, bytes, size);
}

ReplaceResult ReplaceFile(const std::string& target, std::string_view data, int& error) {
    error = 0;
    const std::string path = ResolvedTarget(target);
    // A file the user may not write stays as it is, as it would without the rename.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
        error = errno;
        return ReplaceResult::CannotCreate;
    }
    const mode_t mode = NewFileMode(path);
    std::string temp = path + ".XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return ReplaceResult::CannotCreate;
    }
    auto fail = [&](ReplaceResult r, int why) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.c_str());
        error = why;
        return r;
    };
    ::fchmod(fd, mode);
    ssize_t written;
    do
        written = WriteOnce(fd, data.data(), data.size());
    while (written < 0 && errno == EINTR);
    if (written < 0)
        return fail(ReplaceResult::WriteFailed, errno);
    if (static_cast<std::size_t>(written) != data.size())
        return fail(ReplaceResult::ShortWrite, ENOSPC);
    if (::fsync(fd) != 0)
        return fail(ReplaceResult::ShortWrite, errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return fail(ReplaceResult::ShortWrite, errno);
    if (::rename(temp.c_str(), path.c_str()) != 0)
        return fail(ReplaceResult::CannotCreate, errno);
    return ReplaceResult::Ok;
}

} // namespace platform
