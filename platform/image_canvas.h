#pragma once

#include <QRect>
#include <QWidget>
#include <deque>

#include "platform/click_tracker.h"
#include "platform/picture.h"

namespace platform {

class ImageCanvas;

// A windowless image: a rectangle of its canvas that may show a picture. It has no window of
// its own, so a hundred and fifty of them cost the window system nothing; the canvas draws
// them and decides which one a click belongs to. Images live as long as their canvas, at a
// fixed address.
class Image {
public:
    bool visible() const { return visible_; }
    void setVisible(bool visible);

    // The image does not stretch: from now on it covers exactly the picture's size, keeping
    // its top-left corner. The null picture clears what the image shows and leaves its
    // rectangle as it is.
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }  // also for the benchmarks

    // In pixels of the canvas: the design rectangle until the image first gets a picture.
    QRect geometry() const { return geometry_; }

    // What the image stands for, as its canvas's owner numbered it.
    int key() const { return key_; }

private:
    friend class ImageCanvas;
    Image(ImageCanvas& canvas, QRect design, int key)
        : canvas_(&canvas), key_(key), geometry_(design) {}

    ImageCanvas* canvas_;
    int key_;
    Picture picture_;
    QRect geometry_;
    bool visible_ = true;
};

// The client area of a window that holds windowless images and draws them over the window
// colour, each image over the ones added before it. Child widgets lie above all images and
// take their own clicks.
//
// A click is a press and a release of the left button over the same image (or both over the
// background). It belongs to the topmost visible image under the pointer, whether that image
// shows a picture or not; hidden images take no clicks. A double-click is one click: its second
// press is taken and does nothing.
class ImageCanvas : public QWidget {
    Q_OBJECT

public:
    explicit ImageCanvas(QWidget* parent = nullptr);

    // Adds an image on top of all earlier ones.
    Image& addImage(QRect designRect, int key = 0);

    // The topmost visible image containing the point, or nullptr.
    const Image* imageAt(QPoint point) const;

signals:
    // A click on an image, or with nullptr on no visible image and no child widget.
    void clicked(const platform::Image* image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class Image;
    void imageChanged(const QRect& area);

    std::deque<Image> images_;           // back to front
    ClickTracker<const Image*> clicks_;  // nullptr stands for the background
    QRect pendingRepaint_;               // everything changed since the last paint
};

}  // namespace platform
