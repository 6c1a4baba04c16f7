#pragma once
// The programs' resources (pictures, Verilog texts) live in the Qt resource system
// and are looked up by name without regard to letter case, with or without an
// extension: "DUNMIR_BITMAP" finds ":/pictures/dunmir_bitmap.png".

#include <QImage>
#include <QString>
#include <optional>
#include <string>

namespace platform {

// Full resource path (":/...") of the first resource whose base name matches, or "".
QString FindResource(const std::string& name);
std::optional<std::string> ReadResourceBytes(const std::string& name);
// A picture resource; .jpg resources are decoded through libjpeg. Null when missing.
QImage LoadPicture(const std::string& name);
// A picture the program cannot do without: a missing one is the toolkit's resource
// error (an exception the message loop shows).
QImage LoadBitmapResource(const std::string& name);

} // namespace platform
