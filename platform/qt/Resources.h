#pragma once
// The programs' pictures, from the resources found by name (ResourceFiles.h).

#include "ResourceFiles.h"

#include <QImage>
#include <string>

namespace platform {

// A picture resource; .jpg resources are decoded through libjpeg. Null when missing.
QImage LoadPicture(const std::string& name);
// A picture the program cannot do without: a missing one throws the resource error
// ("Resource <name> not found") that the message loop shows.
QImage LoadBitmapResource(const std::string& name);

} // namespace platform
