#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <ostream>
#include <string>

#include "info_windows_fixture.h"

namespace {

// What the program's windows hold: every widget, and every object under a top-level window
// (shortcuts, timers and other helpers included).
struct Holdings {
    qsizetype widgets = 0;
    qsizetype objects = 0;

    bool operator==(const Holdings&) const = default;
};

void PrintTo(const Holdings& holdings, std::ostream* out) {
    *out << holdings.widgets << " widgets, " << holdings.objects << " objects";
}

Holdings holdings() {
    Holdings held;
    held.widgets = QApplication::allWidgets().size();
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        held.objects += 1 + window->findChildren<QObject*>().size();
    }
    return held;
}

enum class PutAway { OkButton, Escape, CloseBox };

struct LifecycleCase {
    InfoWindowId window;
    PutAway putAway;
};

const char* const kPutAwayNames[] = {"OkButton", "Escape", "CloseBox"};

void PrintTo(const LifecycleCase& c, std::ostream* out) {
    *out << nameOf(c.window) << " put away by " << kPutAwayNames[static_cast<int>(c.putAway)];
}

class RepeatedOpeningTest : public InfoWindowsTest,
                            public testing::WithParamInterface<LifecycleCase> {
protected:
    // Opens the window as the menu does and puts it away as the user would.
    void openAndPutAway() {
        const InfoWindowId id = GetParam().window;
        program.show(id);
        QPointer<InfoWindow> window = &program.window(id);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        switch (GetParam().putAway) {
            case PutAway::OkButton:
                clickAt(id, defaultButton(*window).geometry().center());
                break;
            case PutAway::Escape:
                ASSERT_TRUE(QTest::qWaitFor([&] { return window->windowHandle()->isActive(); }));
                QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
                break;
            case PutAway::CloseBox:
                window->windowHandle()->close();
                break;
        }
        QCoreApplication::processEvents();
        if (GetParam().putAway == PutAway::CloseBox) {
            ASSERT_TRUE(window.isNull()) << "the closed window was not destroyed";
        } else {
            ASSERT_FALSE(window->isVisible());
        }
    }

    static QPushButton& defaultButton(const QWidget& window) {
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            if (button->isDefault()) {
                return *button;
            }
        }
        ADD_FAILURE() << "no default button";
        return *window.findChild<QPushButton*>();
    }
};

// The first opening makes what a window keeps for its lifetime; every later one must add nothing
// that stays: no shortcut or helper made per showing, no closed window kept.
TEST_P(RepeatedOpeningTest, LeavesNothingBehind) {
    openAndPutAway();
    const Holdings afterFirst = holdings();
    for (int cycle = 0; cycle < 20 && !HasFatalFailure(); ++cycle) {
        openAndPutAway();
    }
    EXPECT_EQ(holdings(), afterFirst);
}

std::string caseName(const testing::TestParamInfo<LifecycleCase>& info) {
    return nameOf(info.param.window) + kPutAwayNames[static_cast<int>(info.param.putAway)];
}

INSTANTIATE_TEST_SUITE_P(
    Windows, RepeatedOpeningTest,
    testing::Values(LifecycleCase{InfoWindowId::Rules, PutAway::OkButton},
                    LifecycleCase{InfoWindowId::Rules, PutAway::Escape},
                    LifecycleCase{InfoWindowId::Rules, PutAway::CloseBox},
                    LifecycleCase{InfoWindowId::AboutKetterline, PutAway::OkButton},
                    LifecycleCase{InfoWindowId::AboutKetterline, PutAway::Escape},
                    LifecycleCase{InfoWindowId::AboutKetterline, PutAway::CloseBox},
                    LifecycleCase{InfoWindowId::AboutDravonne, PutAway::OkButton},
                    LifecycleCase{InfoWindowId::AboutDravonne, PutAway::CloseBox},
                    LifecycleCase{InfoWindowId::AboutAuthor, PutAway::Escape},
                    LifecycleCase{InfoWindowId::AboutAuthor, PutAway::CloseBox},
                    LifecycleCase{InfoWindowId::License, PutAway::OkButton},
                    LifecycleCase{InfoWindowId::License, PutAway::CloseBox},
                    LifecycleCase{InfoWindowId::Win, PutAway::OkButton},
                    LifecycleCase{InfoWindowId::GameOver, PutAway::Escape}),
    caseName);

}  // namespace
