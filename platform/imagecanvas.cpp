#include "platform/imagecanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtDebug>
#include <algorithm>
#include <utility>

namespace platform {

Image::Image(ImageCanvas& canvas, ImageArray* array, QString name, int16_t index, QRect design,
             int serial)
    : canvas_(&canvas),
      array_(array),
      name_(std::move(name)),
      geometry_(design),
      serial_(serial),
      index_(index) {}

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

Image& ImageArray::item(int16_t index) {
    if (index < 0 || index >= count()) {
        qFatal("Index %d out of range for control array %s (0..%d)", index, qPrintable(name_),
               count() - 1);
    }
    return items_[static_cast<size_t>(index)];
}

const Image& ImageArray::item(int16_t index) const {
    return const_cast<ImageArray*>(this)->item(index);
}

ImageCanvas::ImageCanvas(QWidget* parent) : QWidget(parent) {
    // The system window colour behind the images, also when grabbed on its own.
    setAutoFillBackground(true);
}

ImageCanvas::~ImageCanvas() = default;

ImageArray& ImageCanvas::addArray(QString name, int16_t count,
                                  const std::function<QRect(int16_t index)>& designRectPixels) {
    Q_ASSERT(count >= 0);
    ImageArray& array = arrays_.emplace_back(ImageArray(std::move(name)));
    array.items_.reserve(static_cast<size_t>(std::max<int16_t>(count, 0)));
    for (int16_t i = 0; i < count; ++i) {
        array.items_.push_back(
            Image(*this, &array, array.name_, i, designRectPixels(i), imageCount_++));
    }
    for (Image& image : array.items_) {
        order_.push_back(&image);
    }
    return array;
}

Image& ImageCanvas::addImage(QString name, QRect designRectPixels) {
    Image& image = singles_.emplace_back(
        Image(*this, nullptr, std::move(name), -1, designRectPixels, imageCount_++));
    order_.push_back(&image);
    return image;
}

ImageArray& ImageCanvas::array(const QString& name) {
    const auto found = std::find_if(arrays_.begin(), arrays_.end(),
                                    [&](const ImageArray& a) { return a.name() == name; });
    if (found == arrays_.end()) {
        qFatal("No control array named %s", qPrintable(name));
    }
    return *found;
}

Image& ImageCanvas::image(const QString& name) {
    const auto found = std::find_if(singles_.begin(), singles_.end(),
                                    [&](const Image& i) { return i.name() == name; });
    if (found == singles_.end()) {
        qFatal("No image named %s", qPrintable(name));
    }
    return *found;
}

void ImageCanvas::setDrawingOrder(const std::vector<Image*>& backToFront) {
    std::vector<bool> listed(static_cast<size_t>(imageCount_), false);
    std::vector<Image*> front;
    front.reserve(backToFront.size());
    for (Image* image : backToFront) {
        if (image == nullptr || image->canvas_ != this) {
            qWarning("setDrawingOrder: an image not of this canvas is ignored");
            continue;
        }
        if (!listed[static_cast<size_t>(image->serial_)]) {
            listed[static_cast<size_t>(image->serial_)] = true;
            front.push_back(image);
        }
    }
    std::vector<Image*> order;
    order.reserve(order_.size());
    for (Image* image : order_) {
        if (!listed[static_cast<size_t>(image->serial_)]) {
            order.push_back(image);
        }
    }
    order.insert(order.end(), front.begin(), front.end());
    order_ = std::move(order);
    update();
}

Image* ImageCanvas::imageAt(QPoint point) const {
    const auto topmost = std::find_if(order_.rbegin(), order_.rend(), [&](const Image* image) {
        return image->visible_ && image->geometry_.contains(point);
    });
    return topmost == order_.rend() ? nullptr : *topmost;
}

void ImageCanvas::paintEvent(QPaintEvent* event) {
    pendingRepaint_ = QRect();
    QPainter painter(this);
    const QRect dirty = event->rect();
    if (event->region().rectCount() <= 1) {
        drawImages(painter, dirty);
        return;
    }
    // A region of several rectangles (a child control or another window beside the change):
    // drawn into one rectangle first and blended in a single call, since into such a clip
    // Qt's raster engine draws every pixmap span by span through its thread pool.
    QPixmap buffer(dirty.size() * devicePixelRatio());
    buffer.setDevicePixelRatio(devicePixelRatio());
    buffer.fill(palette().color(backgroundRole()));
    {
        QPainter bufferPainter(&buffer);
        bufferPainter.translate(-dirty.topLeft());
        drawImages(bufferPainter, dirty);
    }
    painter.drawPixmap(dirty.topLeft(), buffer);
}

void ImageCanvas::drawImages(QPainter& painter, const QRect& dirty) const {
    for (const Image* image : order_) {
        if (image->visible_ && !image->picture_.isNull() && image->geometry_.intersects(dirty)) {
            painter.drawPixmap(image->geometry_.topLeft(), image->picture_.pixmap);
        }
    }
}

void ImageCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed_ = true;
    pressedImage_ = imageAt(event->position().toPoint());
    event->accept();
}

void ImageCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (!std::exchange(pressed_, false)) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (!rect().contains(point)) {
        return;
    }
    Image* const released = imageAt(point);
    if (released == pressedImage_) {
        raiseClick(released);
    }
}

void ImageCanvas::raiseClick(Image* target) {
    if (target == nullptr) {
        if (BackgroundClick) {
            BackgroundClick();
        }
    } else if (target->array_ != nullptr && target->array_->Click) {
        target->array_->Click(target->index_);
    }
}

void ImageCanvas::imageChanged(const QRect& area) {
    // One rectangle around everything changed since the last paint, never a region of
    // several: into a clip of several rectangles Qt's raster engine draws each pixmap span by
    // span through its thread pool, which made the paint of a new deal take milliseconds
    // instead of a tenth of one. Each update covers the ones before it, so the pending
    // region stays this one rectangle.
    pendingRepaint_ |= area;
    update(pendingRepaint_);
}

}  // namespace platform
