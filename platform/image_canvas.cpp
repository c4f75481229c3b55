#include "platform/image_canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace platform {

void Image::setVisible(bool visible) {
    if (visible == visible_) {
        return;
    }
    visible_ = visible;
    if (!picture_.isNull()) {
        canvas_->imageChanged(geometry_);
    }
}

void Image::setPicture(const Picture& picture) {
    // A redraw sets every image of the board, most of them to what they already show.
    if (picture.id == picture_.id && picture.pixmap.cacheKey() == picture_.pixmap.cacheKey()) {
        return;
    }
    const QRect before = geometry_;
    const bool wasDrawn = visible_ && !picture_.isNull();
    picture_ = picture;
    if (!picture_.isNull()) {
        geometry_.setSize(picture_.pixmap.deviceIndependentSize().toSize());
    }
    if (wasDrawn || (visible_ && !picture_.isNull())) {
        canvas_->imageChanged(before | geometry_);
    }
}

ImageCanvas::ImageCanvas(QWidget* parent)
    : QWidget(parent),
      clicks_(
          *this,
          [this](QPoint point) {
              return rect().contains(point) ? std::optional<const Image*>(imageAt(point))
                                            : std::nullopt;
          },
          [this](const Image* image) { emit clicked(image); }) {
    // The window colour behind the images, also when the canvas is grabbed on its own.
    setAutoFillBackground(true);
}

Image& ImageCanvas::addImage(QRect designRect, int key) {
    return images_.emplace_back(Image(*this, designRect, key));
}

const Image* ImageCanvas::imageAt(QPoint point) const {
    const auto topmost = std::find_if(images_.rbegin(), images_.rend(), [&](const Image& image) {
        return image.visible_ && image.geometry_.contains(point);
    });
    return topmost == images_.rend() ? nullptr : &*topmost;
}

void ImageCanvas::paintEvent(QPaintEvent* event) {
    pendingRepaint_ = QRect();
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    // One rectangle of the region at a time: into a clip of several rectangles (the canvas
    // around the "New" button, or beside another window) Qt's raster engine draws every pixmap
    // span by span through its thread pool, which makes the paint of a new deal take
    // milliseconds instead of a tenth of one, and places it on a half pixel differently from
    // the plain rectangle's way.
    for (const QRect& dirty : event->region()) {
        painter.setClipRect(dirty);
        for (const Image& image : images_) {
            if (image.visible_ && !image.picture_.isNull() && image.geometry_.intersects(dirty)) {
                painter.drawPixmap(image.geometry_.topLeft(), image.picture_.forRatio(ratio));
            }
        }
    }
}

void ImageCanvas::imageChanged(const QRect& area) {
    // One rectangle around everything changed since the last paint, never a region of
    // several, so that a paint is one pass over the images through one plain clip (see
    // paintEvent for what a clip of several rectangles costs). Each update covers the ones
    // before it, so the pending region stays this one rectangle.
    pendingRepaint_ |= area;
    update(pendingRepaint_);
}

}  // namespace platform
