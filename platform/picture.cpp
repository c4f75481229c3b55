#include "platform/picture.h"

#include <QImage>
#include <QtDebug>
#include <cmath>
#include <utility>

namespace platform {

struct Picture::Sharper {
    QString doubleSizePath;
    QPixmap doubleSize;  // decoded on first need
    bool unreadable = false;
    qreal scaledRatio = 0;
    QPixmap scaled;  // for scaledRatio, the last ratio other than 1 and 2 asked for
};

Picture::Picture(int pictureId, QPixmap picturePixmap, QString doubleSizePath)
    : id(pictureId), pixmap(std::move(picturePixmap)) {
    if (!doubleSizePath.isEmpty()) {
        sharper_ = std::make_shared<Sharper>();
        sharper_->doubleSizePath = std::move(doubleSizePath);
    }
}

QPixmap Picture::forRatio(qreal ratio) const {
    if (!sharper_ || sharper_->unreadable || ratio == 1.0 || pixmap.isNull()) {
        return pixmap;
    }
    Sharper& sharper = *sharper_;
    if (sharper.doubleSize.isNull()) {
        // Loaded from an "@2x" path, Qt gives the pixmap a device pixel ratio of 2 already.
        sharper.doubleSize = QPixmap(sharper.doubleSizePath);
        sharper.doubleSize.setDevicePixelRatio(2.0);
        if (sharper.doubleSize.isNull()) {
            qWarning("Picture %s cannot be read", qPrintable(sharper.doubleSizePath));
            sharper.unreadable = true;
            return pixmap;
        }
    }
    if (ratio == 2.0) {
        return sharper.doubleSize;
    }
    if (sharper.scaledRatio != ratio) {
        const QSize exact(static_cast<int>(std::lround(pixmap.width() * ratio)),
                          static_cast<int>(std::lround(pixmap.height() * ratio)));
        sharper.scaled = QPixmap::fromImage(sharper.doubleSize.toImage().scaled(
            exact, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        sharper.scaled.setDevicePixelRatio(ratio);
        sharper.scaledRatio = ratio;
    }
    return sharper.scaled;
}

PictureCache::PictureCache(std::function<QString(int id)> pathForId,
                           std::function<QString(const QString& path)> doubleSizeOf)
    : pathForId_(std::move(pathForId)), doubleSizeOf_(std::move(doubleSizeOf)) {}

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
        picture = Picture(id, std::move(pixmap), doubleSizeOf_ ? doubleSizeOf_(path) : QString());
    }
    // A failure is remembered as the null picture, so it is reported only once.
    return pictures_.emplace(id, std::move(picture)).first->second;
}

}  // namespace platform
