#pragma once
// Every file write of the programs goes through one call, which tests can replace to
// cut a write short or fail it (a full disk) without filling one.

#include <cstddef>
#include <string_view>
#include <sys/types.h>

namespace platform {

using WriteFunction = ssize_t (*)(int fd, const void* bytes, std::size_t size);

// Installs f (nullptr: the system's write) and returns the previous one.
WriteFunction SetWriteFunction(WriteFunction f);

// One write through the installed function.
ssize_t WriteOnce(int fd, const void* bytes, std::size_t size);

// Writes all of data, going on after partial writes; false on an error or when nothing
// more goes out.
bool WriteAll(int fd, std::string_view data);

} // namespace platform
