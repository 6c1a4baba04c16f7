#include "PanelPictures.h"

#include "platform/Text.h"
#include "platform/qt/Resources.h"

#include <QHash>

namespace {

QImage Cached(const std::string& name) {
    // Buttons are painted often; each picture is decoded once.
    static QHash<QString, QImage> cache;
    QString key = QString::fromLatin1(name.c_str());
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, platform::LoadPicture(name));
    return it.value();
}

} // namespace

QImage PanelBitmap(int resourceId) {
    return Cached(platform::Format("BITMAP_%d", resourceId));
}

QImage PanelIcon(int resourceId) {
    return Cached(platform::Format("ICON_%d", resourceId));
}

QList<QImage> PanelAnimation(int resourceId) {
    QList<QImage> frames;
    for (int frame = 0;; ++frame) {
        QImage image = Cached(platform::Format("AVI_%d_%02d", resourceId, frame));
        if (image.isNull())
            return frames;
        frames.append(image);
    }
}
