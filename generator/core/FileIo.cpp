#include "FileIo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace fileio {

namespace {
std::size_t g_budget = std::string::npos;
} // namespace

void LimitWritesForTesting(std::size_t bytes) {
    g_budget = bytes;
}

bool WriteChunk(int fd, std::string_view data) {
    std::size_t n = data.size();
    if (g_budget != std::string::npos) {
        n = n < g_budget ? n : g_budget;
        g_budget -= n;
    }
    std::size_t done = 0;
    while (done < n) {
        ssize_t w = ::write(fd, data.data() + done, n - done);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(w);
    }
    return n == data.size();
}

WriteResult WriteWhole(const std::string& path, std::string_view data, std::string& error) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = std::strerror(errno);
        return WriteResult::CannotCreate;
    }
    bool whole = WriteChunk(fd, data);
    ::close(fd);
    return whole ? WriteResult::Ok : WriteResult::Short;
}

} // namespace fileio
