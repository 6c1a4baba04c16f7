#include "FileWrite.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

WriteFunction g_write = &::write;

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

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// What stands at the path (after its links): nothing, or a regular file of this mode.
struct Target {
    std::string path;
    bool exists = false;
    mode_t mode = 0;
};

// The target as ReplaceFile takes it, or false with the reason: a pipe, a device, a
// socket or a folder is never replaced, nor a file the user may not write.
bool Examine(const std::string& target, Target& t, int& error) {
    t.path = ResolvedTarget(target);
    struct stat st {};
    if (::stat(t.path.c_str(), &st) != 0) {
        if (errno != ENOENT) {
            error = errno;
            return false;
        }
        return true;
    }
    if (!S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? EISDIR : EEXIST;
        return false;
    }
    if (::access(t.path.c_str(), W_OK) != 0) {
        error = errno;
        return false;
    }
    t.exists = true;
    t.mode = st.st_mode & 07777;
    return true;
}

mode_t NewFileMode(const Target& t) {
    if (t.exists)
        return t.mode;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Every byte, however many writes that takes; a write that takes none is a full disk.
ReplaceResult WriteAll(int fd, std::string_view data, int& error) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = WriteOnce(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = errno;
            return ReplaceResult::WriteFailed;
        }
        if (n == 0) {
            error = ENOSPC;
            return ReplaceResult::ShortWrite;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        error = errno;
        return ReplaceResult::ShortWrite;
    }
    return ReplaceResult::Ok;
}

// The name's folder entry lasts a power cut once the folder itself is synced. Some
// file systems cannot sync a folder; the file is in place all the same.
void SyncFolder(const std::string& path) {
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

// A folder that takes no new file leaves only the file itself to write: truncated,
// then written, as a program without the temporary file would.
ReplaceResult WriteInPlace(const Target& t, std::string_view data, int& error) {
    // Not blocking: should a pipe have taken the file's place, it is refused, not waited on.
    const int fd = ::open(t.path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return ReplaceResult::CannotCreate;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        error = EEXIST;
        return ReplaceResult::CannotCreate;
    }
    ::fcntl(fd, F_SETFL, 0);
    if (::ftruncate(fd, 0) != 0) {
        error = errno;
        ::close(fd);
        return ReplaceResult::WriteFailed;
    }
    ReplaceResult r = WriteAll(fd, data, error);
    if (::close(fd) != 0 && r == ReplaceResult::Ok) {
        error = errno;
        r = ReplaceResult::ShortWrite;
    }
    return r;
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

bool CanReplaceFile(const std::string& target, int& error) {
    error = 0;
    Target t;
    if (!Examine(target, t, error))
        return false;
    if (t.exists)
        return true;
    // A new file needs a folder that takes it.
    if (::access(FolderOf(t.path).c_str(), W_OK | X_OK) != 0) {
        error = errno;
        return false;
    }
    return true;
}

ReplaceResult ReplaceFile(const std::string& target, std::string_view data, int& error) {
    error = 0;
    Target t;
    if (!Examine(target, t, error))
        return ReplaceResult::CannotCreate;
    std::string temp = t.path + ".XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        const int why = errno;
        if (t.exists && (why == EACCES || why == EPERM))
            return WriteInPlace(t, data, error);
        error = why;
        return ReplaceResult::CannotCreate;
    }
    ::fchmod(fd, NewFileMode(t));
    ReplaceResult r = WriteAll(fd, data, error);
    if (::close(fd) != 0 && r == ReplaceResult::Ok) {
        error = errno;
        r = ReplaceResult::ShortWrite;
    }
    if (r == ReplaceResult::Ok && ::rename(temp.c_str(), t.path.c_str()) != 0) {
        error = errno;
        r = ReplaceResult::CannotCreate;
    }
    if (r != ReplaceResult::Ok) {
        ::unlink(temp.c_str());
        return r;
    }
    SyncFolder(t.path);
    return ReplaceResult::Ok;
}

} // namespace platform
