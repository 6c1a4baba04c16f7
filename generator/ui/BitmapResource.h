#pragma once
// Loads one of the program's bitmap resources by name; a missing one is the
// toolkit's resource error (an exception the message loop shows).

#include <QImage>
#include <string>

QImage LoadBitmapResource(const std::string& name);
