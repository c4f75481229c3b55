#pragma once

#include <QMouseEvent>
#include <optional>
#include <utility>

namespace platform {

// Tells clicks apart in a widget's mouse events, the same way for every clickable thing the
// program draws itself: a click is a press and a release of the left button over the same
// target. A double-click is one click: Qt sends its second press as a double-click event, which
// is taken and does nothing, and the release after it has no press of its own. Events of the
// other buttons are not taken, so they go on to the parent as with any widget.
template <class Target>
class ClickTracker {
public:
    // To be given every mouse press, release and double-click event of the widget, with what
    // lies under the event's point (nothing where a release can complete no click, such as
    // outside the widget). Returns the target when the event completes a click on it.
    std::optional<Target> take(QMouseEvent& event, std::optional<Target> underPointer) {
        if (event.button() != Qt::LeftButton) {
            event.ignore();
            return std::nullopt;
        }
        event.accept();
        switch (event.type()) {
            case QEvent::MouseButtonPress:
                pressed_ = underPointer;
                return std::nullopt;
            case QEvent::MouseButtonRelease: {
                const std::optional<Target> pressed = std::exchange(pressed_, std::nullopt);
                return pressed && pressed == underPointer ? pressed : std::nullopt;
            }
            default:
                return std::nullopt;
        }
    }

private:
    std::optional<Target> pressed_;  // what the left button went down on, until it comes up
};

}  // namespace platform
