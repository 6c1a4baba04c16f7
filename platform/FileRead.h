#pragma once
// Opening files for reading: only regular files, and never blocking. A named pipe or
// a device under a file's name is refused at once, like a missing file.

#include <optional>
#include <string>

namespace platform {

// Opens path read-only when it names a regular file (through links). Returns the
// descriptor, or -1 with errno set (ENOENT missing, EINVAL neither file nor missing).
int OpenRegularFile(const std::string& path);

// The whole content of a regular file; nothing when it cannot be opened or read.
std::optional<std::string> ReadRegularFile(const std::string& path);

} // namespace platform
