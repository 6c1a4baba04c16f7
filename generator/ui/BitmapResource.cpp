#include "BitmapResource.h"

#include "platform/qt/Resources.h"

#include <stdexcept>

QImage LoadBitmapResource(const std::string& name) {
    QImage image = platform::LoadPicture(name);
    if (image.isNull())
        throw std::runtime_error("Resource " + name + " not found");
    return image;
}
