#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QPainter;
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "platform/picture.h"

namespace platform {

class ImageArray;
class ImageCanvas;

// A windowless image: a rectangle of its canvas that may show a picture. It has no window
// of its own, so thousands of them cost nothing to the window system; the canvas draws them
// and decides which one a click belongs to. Images are created by and live as long as their
// canvas, at a fixed address.
class Image {
public:
    // The control-array index, or -1 for a single image.
    int16_t index() const { return index_; }
    // The name of the image, or of its control array.
    const QString& name() const { return name_; }
    // The control array this image belongs to; nullptr for a single image.
    ImageArray* array() const { return array_; }

    bool visible() const { return visible_; }
    void setVisible(bool visible);

    // The image does not stretch: from now on it covers exactly the picture's pixel size,
    // keeping its top-left corner. The null picture clears what the image shows and leaves
    // its rectangle as it is.
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }

    // In pixels of the canvas. The design rectangle until the image first gets a picture.
    QRect geometry() const { return geometry_; }

private:
    friend class ImageCanvas;
    Image(ImageCanvas& canvas, ImageArray* array, QString name, int16_t index, QRect design,
          int serial);

    ImageCanvas* canvas_;
    ImageArray* array_;
    QString name_;
    Picture picture_;
    QRect geometry_;
    int serial_;  // creation order on the canvas
    int16_t index_;
    bool visible_ = true;
};

// A control array: images sharing one name and one click handler, told apart by index.
class ImageArray {
public:
    const QString& name() const { return name_; }
    int16_t count() const { return static_cast<int16_t>(items_.size()); }

    // An index outside 0..count()-1 is a fault of the program: it ends it with a message
    // naming the array and the index (qFatal), as a failed bounds check would.
    Image& item(int16_t index);
    const Image& item(int16_t index) const;

    // Raised with the item's index when a visible item is clicked.
    std::function<void(int16_t index)> Click;

private:
    friend class ImageCanvas;
    explicit ImageArray(QString name) : name_(std::move(name)) {}

    QString name_;
    std::vector<Image> items_;  // filled once when the array is made, never resized
};

// The client area of a window that holds windowless images and draws them over the system
// window colour. Child widgets (buttons, labels, picture boxes) lie above all images and take
// their own clicks.
//
// A click is a press and a release of the left button over the same image (or both over the
// background). It belongs to the topmost visible image under the pointer, whether that image
// shows a picture or not; hidden images take no clicks. A click on an array item raises the
// array's Click with the index; a click on a single image is taken and raises nothing; a
// click on no visible image raises BackgroundClick.
class ImageCanvas : public QWidget {
    Q_OBJECT

public:
    explicit ImageCanvas(QWidget* parent = nullptr);
    ~ImageCanvas() override;

    // Creates items 0..count-1, item i at designRectPixels(i). New images go on top of all
    // existing ones until setDrawingOrder says otherwise.
    ImageArray& addArray(QString name, int16_t count,
                         const std::function<QRect(int16_t index)>& designRectPixels);
    Image& addImage(QString name, QRect designRectPixels);

    // Lookup by name; an unknown name is a fault of the program (qFatal).
    ImageArray& array(const QString& name);
    Image& image(const QString& name);

    // Back to front: later images are drawn over earlier ones and take the click where they
    // overlap. Images left out keep their relative order and go beneath the listed ones; an
    // image listed twice counts at its first place.
    void setDrawingOrder(const std::vector<Image*>& backToFront);
    const std::vector<Image*>& drawingOrder() const { return order_; }

    // The topmost visible image containing the point, or nullptr.
    Image* imageAt(QPoint point) const;

    // Raised for a click on no visible image and no child widget.
    std::function<void()> BackgroundClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend class Image;
    void imageChanged(const QRect& area);
    void drawImages(QPainter& painter, const QRect& dirty) const;
    void raiseClick(Image* target);

    std::deque<ImageArray> arrays_;
    std::deque<Image> singles_;
    std::vector<Image*> order_;
    int imageCount_ = 0;
    // Where the left button went down: pressedImage_ is nullptr for the background.
    bool pressed_ = false;
    QRect pendingRepaint_;  // everything changed since the last paint
    Image* pressedImage_ = nullptr;
};

}  // namespace platform
