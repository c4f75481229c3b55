#pragma once

#include <QMouseEvent>
#include <QObject>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>

namespace platform {

// Tells clicks apart in a widget's mouse events, the same way for every clickable thing the
// program draws itself: a click is a press and a release of the left button over the same
// target. A double-click is one click: Qt sends its second press as a double-click event, which
// is taken and does nothing, and the release after it has no press of its own. Events of the
// other buttons are left to the widget, which passes them on to its parent.
template <class Target>
class ClickTracker final : public QObject {
public:
    // What lies under a point of the widget, or nothing where a release can complete no click
    // (such as outside the widget).
    using TargetAt = std::function<std::optional<Target>(QPoint)>;
    using Clicked = std::function<void(Target)>;

    // Watches the widget's left-button events from now on, for as long as both live.
    ClickTracker(QWidget& widget, TargetAt targetAt, Clicked clicked)
        : targetAt_(std::move(targetAt)), clicked_(std::move(clicked)) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
            type != QEvent::MouseButtonDblClick) {
            return false;
        }
        auto& mouse = static_cast<QMouseEvent&>(*event);
        if (mouse.button() != Qt::LeftButton) {
            return false;
        }
        mouse.accept();
        if (type == QEvent::MouseButtonPress) {
            pressed_ = targetAt_(mouse.position().toPoint());
        } else if (type == QEvent::MouseButtonRelease) {
            const std::optional<Target> pressed = std::exchange(pressed_, std::nullopt);
            if (pressed && pressed == targetAt_(mouse.position().toPoint())) {
                clicked_(*pressed);
            }
        }
        return true;
    }

private:
    TargetAt targetAt_;
    Clicked clicked_;
    std::optional<Target> pressed_;  // what the left button went down on, until it comes up
};

}  // namespace platform
