#include "FileIo.h"

#include "platform/FileWrite.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace fileio {

WriteResult WriteWhole(const std::string& path, std::string_view data, std::string& error) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = std::strerror(errno);
        return WriteResult::CannotCreate;
    }
    bool whole = platform::WriteAll(fd, data);
    ::close(fd);
    return whole ? WriteResult::Ok : WriteResult::Short;
}

} // namespace fileio
