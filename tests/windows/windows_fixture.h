#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>
#include <memory>

#include "platform/form.h"
#include "windows/information_windows.h"

// The eight information windows with a plain window standing in for the Board, shown, so
// that closing an information window never closes the program's last window.
class InformationWindowsTest : public testing::Test {
protected:
    static inline const QString kStandIn = QStringLiteral("Board");

    InformationWindowsTest() {
        registerInformationWindows(forms);
        forms.registerForm(kStandIn, [](platform::Forms&) {
            return std::make_unique<platform::Form>(kStandIn, QSize(200, 100),
                                                    platform::FormFrame::Resizable,
                                                    platform::TitleButton::Close);
        });
        forms.show(kStandIn);
    }

    template <class T = QWidget>
    T* control(const QString& window, const QString& name) {
        return forms.get(window).findChild<T*>(name);
    }

    // A left click at a point of the client area, routed by the window as the mouse's is.
    void clickAt(const QString& window, QPoint clientPoint) {
        platform::Form& form = forms.get(window);
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                          form.client()->mapTo(&form, clientPoint));
    }

    platform::Forms forms;
};
