#pragma once

#include <QPixmap>
#include <QString>
#include <functional>
#include <memory>
#include <unordered_map>

namespace platform {

// A decoded picture. The id tells which one it is, so that callers and tests can ask what an
// image shows without comparing pixels; 0 means no picture or one without an id.
//
// Its size is the size of `pixmap`, the picture drawn for a device pixel ratio of 1, on every
// display. For higher densities the same picture may also exist drawn at twice the size; it is
// decoded the first time a window of another ratio draws the picture (see forRatio), and
// copies of a Picture share it and what is made from it.
struct Picture {
    Picture() = default;
    Picture(int id, QPixmap pixmap, QString doubleSizePath = {});

    int id = 0;
    QPixmap pixmap;

    bool isNull() const { return pixmap.isNull(); }

    // What to draw at a device pixel ratio: `pixmap` at 1, the picture of twice the size at 2,
    // and for any other ratio that one scaled smoothly to the exact size, so that its one-pixel
    // lines come out even rather than one or two pixels wide. Without a picture of twice the
    // size it is always `pixmap`, which Qt then scales.
    QPixmap forRatio(qreal ratio) const;

private:
    struct Sharper;
    std::shared_ptr<Sharper> sharper_;
};

// Pictures by id. Each id is decoded from its file on first use only; later loads hand out
// the same picture, so setting it again costs a reference count, not a decode or a copy of
// the pixels. Needs a QGuiApplication.
class PictureCache {
public:
    // doubleSizeOf, the path of a picture's double-size version from its own path, may be empty,
    // or give an empty path for a picture without one.
    explicit PictureCache(std::function<QString(int id)> pathForId,
                          std::function<QString(const QString& path)> doubleSizeOf = {});

    // An id without a path, or whose file cannot be read, is a fault of the program, not of
    // the user: it is reported once through qWarning and yields the null picture (id 0, no
    // pixels), which an image treats as "no picture". It never throws or aborts.
    // The reference stays valid for the cache's lifetime.
    const Picture& load(int id);

private:
    std::function<QString(int id)> pathForId_;
    std::function<QString(const QString& path)> doubleSizeOf_;
    std::unordered_map<int, Picture> pictures_;
};

}  // namespace platform
