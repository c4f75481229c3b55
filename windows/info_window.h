#pragma once

#include <QRect>
#include <QWidget>
#include <utility>
#include <vector>

#include "platform/click_tracker.h"
#include "platform/picture.h"

class QPushButton;

// A control's text as it is shown, and as it reads in English, where the two differ.
struct ControlText {
    ControlText(QString text) : shown(text), english(std::move(text)) {}  // NOLINT: the same
    ControlText(QString translated, QString source)
        : shown(std::move(translated)), english(std::move(source)) {}
    ControlText arg(const ControlText& value) const {
        return {shown.arg(value.shown), english.arg(value.english)};
    }

    QString shown;
    QString english;
};

// What one control of an information window is and where it stands, in twips of the client
// area. Controls are made in the order listed, so a later one lies over an earlier one.
struct ControlDesign {
    enum class Kind {
        Text,          // a fixed label, left-aligned
        CenteredText,  // a fixed label, centred
        Picture,       // a picture box; `content` is the picture's resource path
        OkButton,      // the button that hides the window
    };
    Kind kind;
    const char* name;  // the object name, saying what the control shows
    ControlText content;
    QRect twips;
    QString doubleSizePath = {};  // a picture's path at twice the size, for dense displays
    QString pictureName = {};     // what a picture shows, for assistive technology
};

struct WindowDesign {
    QString caption;
    QSize clientTwips;
    // A fixed window has a thin border and cannot be resized; the others have the normal
    // resizable frame and keep their controls where they are when resized.
    bool fixedSize = false;
    Qt::WindowFlags titleButtons;  // among minimise, maximise and close
    std::vector<ControlDesign> controls;
};

// A picture drawn unscaled at the top-left of its box, without a border. A hidden box draws
// nothing and takes no clicks: they go to whatever lies beneath. A double-click is one click.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(platform::Picture picture, QRect rect, QWidget* parent);

    const platform::Picture& picture() const { return picture_; }

signals:
    // A press and a release of the left button, both on the box.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    platform::Picture picture_;
    platform::ClickTracker<bool> clicks_;  // true on the box
};

// A fixed window of absolutely placed texts and pictures and an OK button that hides it,
// keeping everything as it was for the next showing.
class InfoWindow : public QWidget {
    Q_OBJECT

public:
    explicit InfoWindow(const WindowDesign& design);

    template <class Control = QWidget>
    Control* control(const char* name) const {
        return findChild<Control*>(QLatin1String(name));
    }

    // The first time the window is shown it takes its client size and fits its texts.
    void setVisible(bool visible) override;

private:
    QSize clientSize_;
    bool fixedSize_;
    bool sized_ = false;
};
