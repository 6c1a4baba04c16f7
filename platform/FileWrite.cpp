#include "FileWrite.h"

#include <cerrno>
#include <unistd.h>

namespace platform {

namespace {
WriteFunction g_write = &::write;
} // namespace

WriteFunction SetWriteFunction(WriteFunction f) {
    WriteFunction previous = g_write;
    g_write = f != nullptr ? f : &::write;
    return previous;
}

ssize_t WriteOnce(int fd, const void* bytes, std::size_t size) {
    return g_write(fd, bytes, size);
}

bool WriteAll(int fd, std::string_view data) {
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t w = g_write(fd, data.data() + done, data.size() - done);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        done += static_cast<std::size_t>(w);
    }
    return true;
}

} // namespace platform
