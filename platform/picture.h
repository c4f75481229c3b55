#pragma once

#include <QPixmap>
#include <QString>
#include <functional>
#include <unordered_map>

namespace platform {

// A decoded bitmap resource. The id tells which resource it is, so that callers and tests
// can ask what an image shows without comparing pixels; 0 means no picture.
struct Picture {
    int id = 0;
    QPixmap pixmap;

    bool isNull() const { return pixmap.isNull(); }
};

// Bitmap resources by number. Each id is decoded from its file on first use only; later
// loads hand out the same picture, so setting it again costs a reference count, not a
// decode or a copy of the pixels. Needs a QGuiApplication.
class PictureCache {
public:
    explicit PictureCache(std::function<QString(int id)> pathForId);

    // An id without a path, or whose file cannot be read, is a fault of the program, not of
    // the user: it is reported once through qWarning and yields the null picture (id 0, no
    // pixels), which an image treats as "no picture". It never throws or aborts.
    // The reference stays valid for the cache's lifetime.
    const Picture& load(int id);

private:
    std::function<QString(int id)> pathForId_;
    std::unordered_map<int, Picture> pictures_;
};

}  // namespace platform
