#pragma once
// Every file Pinwright writes (project files, exported modules, settings files, its
// .INI) and Lumastat's programmer scripts and memory dumps go through ReplaceFile: the
// bytes go to a temporary file beside the target, which is renamed over it only when
// they are all written, so a failed write never destroys the file that was there. Its
// writes are a replaceable call, so tests can cut a write short or fail it (a full
// disk) without filling one.

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace platform {

using WriteFunction = ssize_t (*)(int fd, const void* bytes, std::size_t size);

// Installs f (nullptr: the system's write) and returns the previous one.
WriteFunction SetWriteFunction(WriteFunction f);

// One write through the installed function.
ssize_t WriteOnce(int fd, const void* bytes, std::size_t size);

enum class ReplaceResult {
    Ok,
    CannotCreate, // the target may not be written, or the file could not be made or put in place
    WriteFailed,  // the write reported an error
    ShortWrite,   // fewer bytes went out than data holds, or they could not be flushed
};

// Writes data to a temporary file beside path, syncs it, renames it over path (through a
// link, the file it names) and syncs the folder. A target that exists and is no regular
// file (a pipe, a device, a socket, a folder) or may not be written is refused untouched.
// A writable file in a folder that takes no temporary file is truncated and written in
// place. On failure no temporary file stays, path is as it was (but for a write in place
// that failed), and error holds the system's reason (errno).
ReplaceResult ReplaceFile(const std::string& path, std::string_view data, int& error);

// Whether ReplaceFile would take path, asked before the bytes exist: false, with the
// reason, when it would refuse the target or the folder could take no new file.
bool CanReplaceFile(const std::string& path, int& error);

} // namespace platform
