#include "Resources.h"

#include "Jpeg.h"
#include "QtPlatform.h"
#include "platform/Text.h"

#include <stdexcept>

namespace platform {

QImage LoadPicture(const std::string& name) {
    QString path = FindResource(name);
    if (path.isEmpty())
        return QImage();
    if (path.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive)) {
        std::optional<std::string> bytes = ReadResourceBytes(name);
        return bytes ? DecodeJpeg(*bytes) : QImage();
    }
    return QImage(path);
}

QImage LoadBitmapResource(const std::string& name) {
    QImage image = LoadPicture(name);
    if (image.isNull())
        throw std::runtime_error("Resource " + name + " not found");
    return image;
}

} // namespace platform
