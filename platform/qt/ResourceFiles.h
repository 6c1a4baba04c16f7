#pragma once
// The programs' resources (pictures, Verilog texts) live in the Qt resource system
// and are looked up by name without regard to letter case, with or without an
// extension: "DUNMIR_BITMAP" finds ":/pictures/dunmir_bitmap.png". Qt Core only, for
// the programs without windows too.

#include <QString>
#include <optional>
#include <string>

namespace platform {

// Full resource path (":/...") of the first resource whose base name matches, or "".
QString FindResource(const std::string& name);
std::optional<std::string> ReadResourceBytes(const std::string& name);

} // namespace platform
