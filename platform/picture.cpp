#include "platform/picture.h"

#include <QtDebug>
#include <utility>

namespace platform {

PictureCache::PictureCache(std::function<QString(int id)> pathForId)
    : pathForId_(std::move(pathForId)) {}

const Picture& PictureCache::load(int id) {
    if (auto found = pictures_.find(id); found != pictures_.end()) {
        return found->second;
    }
    const QString path = pathForId_ ? pathForId_(id) : QString();
    Picture picture;
    if (path.isEmpty()) {
        qWarning("Bitmap resource %d does not exist", id);
    } else if (QPixmap pixmap(path); pixmap.isNull()) {
        qWarning("Bitmap resource %d cannot be read from %s", id, qPrintable(path));
    } else {
        picture = Picture{id, std::move(pixmap)};
    }
    // A failure is remembered as the null picture, so it is reported only once.
    return pictures_.emplace(id, std::move(picture)).first->second;
}

}  // namespace platform
