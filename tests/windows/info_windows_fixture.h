#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include "program.h"
#include "support/sources.h"

// The program started: the Board shown and the eight information windows made hidden.
class InfoWindowsTest : public testing::Test {
protected:
    InfoWindowsTest() { program.start(); }

    InfoWindow& window(InfoWindowId id) { return program.window(id); }
    template <class Control = QWidget>
    Control* control(InfoWindowId id, const char* name) {
        return window(id).findChild<Control*>(name);
    }
    void showAndWait(InfoWindowId id) {
        program.show(id);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window(id)));
    }
    // The request the close box sends; the window goes once events are processed.
    void closeThroughCloseBox(InfoWindowId id) {
        window(id).windowHandle()->close();
        QCoreApplication::processEvents();
    }
    // A left click at a point of the client area, routed by the window as the mouse's is.
    void clickAt(InfoWindowId id, QPoint point) {
        QTest::mouseClick(window(id).windowHandle(), Qt::LeftButton, {}, point);
    }

    ConstantSource random{0.0f};
    Program program{random};
};

inline constexpr InfoWindowId kAllInfoWindows[] = {
    InfoWindowId::Rules,       InfoWindowId::AboutKetterline, InfoWindowId::AboutDravonne,
    InfoWindowId::AboutAuthor, InfoWindowId::License,         InfoWindowId::Win,
    InfoWindowId::GameOver,    InfoWindowId::Timers};

inline std::string nameOf(InfoWindowId id) {
    static const char* const kNames[] = {"Rules",       "AboutKetterline", "AboutDravonne",
                                         "AboutAuthor", "License",         "Win",
                                         "GameOver",    "Timers"};
    return kNames[static_cast<int>(id)];
}

inline void PrintTo(InfoWindowId id, std::ostream* out) {
    *out << nameOf(id);
}
