#pragma once
// Whole-text file writes for the project writers, with a hook that lets tests cut a
// write short (a full disk) without filling one.

#include <cstddef>
#include <string>
#include <string_view>

namespace fileio {

enum class WriteResult { Ok, CannotCreate, Short };

// Creates (replacing) path and writes data with one write. On CannotCreate, error
// holds the system's reason.
WriteResult WriteWhole(const std::string& path, std::string_view data, std::string& error);

// Appends data to an open file descriptor with one write; false when fewer bytes went out.
bool WriteChunk(int fd, std::string_view data);

// Tests only: every later write stops after this many bytes in all (npos: no limit).
void LimitWritesForTesting(std::size_t bytes);

} // namespace fileio
