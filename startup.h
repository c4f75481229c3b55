#pragma once

#include <QApplication>
#include <QStringList>
#include <memory>

#include "command_line.h"

// The start of the program on a desktop: its name there, and one plain line in place of Qt's
// abort when no window system can be started.
namespace startup {

// Names the program for the desktop; must happen before the QApplication exists. The
// application name "ketterline" becomes the class half of the X11 WM_CLASS (the desktop entry's
// StartupWMClass); the desktop file name is the entry's id, which Wayland uses as the app id.
void nameForDesktop();

// The texts here are of the context "Startup".
using command_line::Translate;

// The one line (without a newline) that says why no platform plugin started and what to do,
// read from Qt's messages about the plugins it tried, in the order Qt printed them; empty when
// they tell of no failure.
QString failureLine(const QStringList& qtMessages, const Translate& say = command_line::english);

// Makes the program's QApplication, named for the desktop first (nameForDesktop). Qt's messages
// about its platform plugins (category qt.qpa, and the wayland plugin's) are read rather than
// shown while it is made, every other message is passed on; when no plugin starts (no display, a
// display that does not answer, a plugin that is not installed), Qt's fatal message becomes
// failureLine() on standard error and exit status 1.
std::unique_ptr<QApplication> makeApplication(int& argc, char** argv,
                                              const Translate& say = command_line::english);

}  // namespace startup
