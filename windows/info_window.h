#pragma once

#include <QRect>
#include <QWidget>
#include <functional>
#include <initializer_list>

#include "platform/click_tracker.h"
#include "platform/picture.h"

// A control's text as it is shown, and as it reads in English, where the two differ.
struct ControlText {
    QString shown;
    QString english;

    ControlText arg(const ControlText& value) const {
        return {shown.arg(value.shown), english.arg(value.english)};
    }
};

// What one control of an information window is and where it stands, in pixels of the client
// area (designed in twips). Controls are made in the order listed, so a later one lies over an
// earlier one.
struct ControlDesign {
    enum class Kind {
        Text,          // a fixed label, left-aligned
        CenteredText,  // a fixed label, centred
        Picture,       // a picture box
        OkButton,      // the button that hides the window
    };
    Kind kind;
    const char* name;  // the object name, saying what the control shows
    // The English text, or what a picture shows for assistive technology, translated as the
    // window is made; `argument`, where there is one, is what %1 in it stands for.
    const char* text;
    QRect rect;
    const char* argument = nullptr;
    // A picture's resource path; its double-size version, for dense displays, lies beside it.
    QString (*picture)() = nullptr;
};

// A window's design is a constant: the controls it lists live as long as the program.
struct WindowDesign {
    struct Frame {
        const char* caption;  // in English, translated as the texts are
        QSize clientSize;     // in pixels, designed in twips
        // A fixed window has a thin border and cannot be resized; the others have the normal
        // resizable frame and keep their controls where they are when resized.
        bool fixedSize;
        Qt::WindowFlags titleButtons;  // among minimise, maximise and close
    };
    Frame frame;
    std::initializer_list<ControlDesign> controls;
};

// A picture drawn unscaled at the top-left of its box, without a border. A hidden box draws
// nothing and takes no clicks: they go to whatever lies beneath. A double-click is one click.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(platform::Picture picture, QRect rect, QWidget* parent);

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
// keeping everything as it was for the next showing. Assistive technology reads it as a
// dialog, whose labels are its text, and each picture as a graphic named by its design.
class InfoWindow : public QWidget {
    Q_OBJECT

public:
    // A text of the design, with its argument or none, as the window shows it.
    using Texts = std::function<ControlText(const char* text, const char* argument)>;

    InfoWindow(const WindowDesign& design, const Texts& texts);

    // The first time the window is shown it takes its client size and fits its texts.
    void setVisible(bool visible) override;

private:
    QSize clientSize_;
    bool fixedSize_;
    bool sized_ = false;
};
