#include "LibraryLoadError.h"

#include <cerrno>
#include <cstring>
#include <elf.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The start of an ELF file's header: identification, type and machine.
struct ElfHead {
    unsigned char ident[EI_NIDENT];
    uint16_t type;
    uint16_t machine;
};

// Reads the head of the file; the errno of the failure, ENOEXEC when it is no ELF file.
int ReadElfHead(const std::string& path, ElfHead& head) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    ssize_t n = ::read(fd, &head, sizeof head);
    int error = n < 0 ? errno : 0;
    ::close(fd);
    if (error != 0)
        return error;
    if (static_cast<std::size_t>(n) < sizeof head || std::memcmp(head.ident, ELFMAG, SELFMAG) != 0)
        return ENOEXEC;
    return 0;
}

// The errno whose text ends the message ("libx.so: cannot open shared object file: No
// such file or directory"), or 0.
int ErrnoNamedIn(const std::string& message) {
    std::size_t colon = message.rfind(": ");
    if (colon == std::string::npos)
        return 0;
    const std::string tail = message.substr(colon + 2);
    for (int e = 1; e < 256; ++e)
        if (tail == std::strerror(e))
            return e;
    return 0;
}

} // namespace

int LibraryLoadErrorCode(const std::string& path, const std::string& message) {
    std::string file = path;
    if (path.find('/') == std::string::npos) {
        // The system's search names the file it found and failed on; only the plain name
        // when it found none.
        file = message.substr(0, message.find(": "));
        if (file.empty() || file[0] != '/')
            return ENOENT;
    }
    ElfHead head{};
    if (int error = ReadElfHead(file, head))
        return error;
    ElfHead own{};
    if (ReadElfHead("/proc/self/exe", own) == 0 &&
        (head.ident[EI_CLASS] != own.ident[EI_CLASS] || head.ident[EI_DATA] != own.ident[EI_DATA] ||
         head.machine != own.machine))
        return ENOEXEC;
    if (head.type != ET_DYN)
        return ENOEXEC;
    // A library of the right kind that still failed: something it needs is missing or broken.
    int named = ErrnoNamedIn(message);
    return named != 0 ? named : ENOEXEC;
}
