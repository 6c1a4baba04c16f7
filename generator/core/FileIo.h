#pragma once
// Whole-text file writes for the project writers (through platform/FileWrite.h, so
// tests can cut them short).

#include <cstddef>
#include <string>
#include <string_view>

namespace fileio {

enum class WriteResult { Ok, CannotCreate, Short };

// Creates (replacing) path and writes data with one write. On CannotCreate, error
// holds the system's reason.
WriteResult WriteWhole(const std::string& path, std::string_view data, std::string& error);

} // namespace fileio
