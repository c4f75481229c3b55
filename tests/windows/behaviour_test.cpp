#include <QKeyEvent>

#include "platform/controls.h"
#include "windows/aboutdravonne.h"
#include "windows/aboutketterline.h"
#include "windows/timers.h"
#include "windows_fixture.h"

namespace {

const QString kAbout = AboutKetterline::kName;

class AboutKetterlineTest : public InformationWindowsTest {
protected:
    AboutKetterline& about() { return forms.get<AboutKetterline>(kAbout); }

    void showAbout() {
        forms.show(kAbout);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about()));
    }

    // The two icons share their centre, so this lands on whichever is showing.
    void clickIcons(int times) {
        for (int i = 0; i < times; ++i) {
            clickAt(kAbout, about().icnKetterline().geometry().center());
        }
    }

    void expectShowing(std::int16_t state) {
        EXPECT_EQ(about().iconState(), state);
        EXPECT_EQ(about().icnKetterline().isVisible(), state == 0);
        EXPECT_EQ(about().icnDravonne().isVisible(), state == 1);
    }
};

enum class Interruption { None, HiddenWithOk, ClosedThroughCloseBox };

struct IconCase {
    const char* name;
    int clicksBefore;
    Interruption interruption;
    int clicksAfter;
    std::int16_t expectedState;
};

class IconStateTest : public AboutKetterlineTest, public testing::WithParamInterface<IconCase> {};

TEST_P(IconStateTest, IconsTakeTurnsAndSurviveOnlyHiding) {
    const IconCase& c = GetParam();
    showAbout();
    expectShowing(0);
    clickIcons(c.clicksBefore);
    const AboutKetterline* before = &about();
    if (c.interruption == Interruption::HiddenWithOk) {
        clickAt(kAbout, control(kAbout, "Ok")->geometry().center());
        ASSERT_FALSE(about().isVisible());
    } else if (c.interruption == Interruption::ClosedThroughCloseBox) {
        about().close();
        ASSERT_FALSE(forms.isLoaded(kAbout));
    }
    if (c.interruption != Interruption::None) {
        showAbout();
        EXPECT_EQ(&about() == before, c.interruption == Interruption::HiddenWithOk);
    }
    clickIcons(c.clicksAfter);
    expectShowing(c.expectedState);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, IconStateTest,
    testing::Values(
        IconCase{"FirstClickShowsMakersIcon", 1, Interruption::None, 0, 1},
        IconCase{"SecondClickBringsProductIconBack", 2, Interruption::None, 0, 0},
        IconCase{"EveryClickSwapsAgain", 7, Interruption::None, 0, 1},
        IconCase{"HiddenWithOkKeepsMakersIcon", 1, Interruption::HiddenWithOk, 0, 1},
        IconCase{"HiddenWithOkThenClickedOnceMore", 3, Interruption::HiddenWithOk, 1, 0},
        IconCase{"ClosedComesBackWithProductIcon", 1, Interruption::ClosedThroughCloseBox, 0, 0},
        IconCase{"ClosedThenClickedSwapsFromProductIcon", 3, Interruption::ClosedThroughCloseBox, 1,
                 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct MissCase {
    const char* name;
    QPoint point;  // client pixels
};

class IconMissTest : public AboutKetterlineTest, public testing::WithParamInterface<MissCase> {};

TEST_P(IconMissTest, ClickOffTheShowingIconChangesNothing) {
    showAbout();
    clickAt(kAbout, GetParam().point);
    expectShowing(0);
    EXPECT_TRUE(about().isVisible());
}

INSTANTIATE_TEST_SUITE_P(Clicks, IconMissTest,
                         testing::Values(MissCase{"InsideHiddenMakersIconOnly", {18, 18}},
                                         MissCase{"OnLabel", {100, 20}},
                                         MissCase{"OnBackground", {20, 110}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InformationWindowsTest, AboutDravonneShowsItsIconFromTheStart) {
    auto& window = forms.get<AboutDravonne>(AboutDravonne::kName);
    EXPECT_FALSE(window.icnDravonne().isHidden());
    forms.show(AboutDravonne::kName);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.icnDravonne().isVisible());
}

// The windows were designed for a narrower font: every text must still be whole, inside its
// window and clear of the labels below it.
class LabelRoomTest : public InformationWindowsTest,
                      public testing::WithParamInterface<const char*> {};

TEST_P(LabelRoomTest, EveryTextIsWholeAndClearOfTheOthers) {
    platform::Form& window = forms.get(GetParam());
    forms.show(GetParam());
    const QList<platform::Label*> labels = window.client()->findChildren<platform::Label*>();
    ASSERT_FALSE(labels.isEmpty());
    for (const platform::Label* label : labels) {
        const QRect text = label->fontMetrics().boundingRect(
            QRect(label->pos(), QSize(label->width(), 10000)),
            static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text());
        EXPECT_TRUE(label->geometry().contains(text)) << label->objectName().toStdString();
        EXPECT_TRUE(QRect(QPoint(), window.clientSize()).contains(text))
            << label->objectName().toStdString();
        for (const platform::Label* other : labels) {
            if (other->y() > label->y()) {
                EXPECT_FALSE(other->geometry().intersects(text))
                    << label->objectName().toStdString() << " runs into "
                    << other->objectName().toStdString();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, LabelRoomTest,
                         testing::Values("Rules", "AboutKetterline", "AboutDravonne", "AboutAuthor",
                                         "License", "Win", "GameOver", "Timers"));

TEST_F(InformationWindowsTest, SequenceTimerIsNeverStartedNorShown) {
    auto& timers = forms.get<Timers>(Timers::kName);
    forms.show(kStandIn);
    QCoreApplication::processEvents();
    EXPECT_FALSE(timers.tmrSeq().isActive());
    EXPECT_FALSE(timers.isVisible());
}

const char* const kWithOkButton[] = {
    "Rules", "AboutKetterline", "AboutDravonne", "AboutAuthor", "License", "Win", "GameOver"};

struct OkCase {
    const char* window;
    const char* button;
};

class OkButtonTest : public InformationWindowsTest, public testing::WithParamInterface<OkCase> {
protected:
    void showAll() {
        for (const char* name : kWithOkButton) {
            forms.show(name);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&forms.get(name)));
        }
    }

    void expectOnlyOwnWindowHidden(const platform::Form* before) {
        const QString own = GetParam().window;
        ASSERT_TRUE(forms.isLoaded(own));
        EXPECT_EQ(&forms.get(own), before);
        for (const char* name : kWithOkButton) {
            EXPECT_EQ(forms.get(name).isVisible(), name != own) << name;
        }
        EXPECT_TRUE(forms.get(kStandIn).isVisible());
    }
};

TEST_P(OkButtonTest, ClickHidesOnlyItsOwnWindow) {
    showAll();
    const platform::Form* before = &forms.get(GetParam().window);
    QWidget* button = control(GetParam().window, GetParam().button);
    ASSERT_NE(button, nullptr);
    clickAt(GetParam().window, button->geometry().center());
    expectOnlyOwnWindowHidden(before);
}

TEST_P(OkButtonTest, EnterReturnAndEscapeHideOnlyItsOwnWindow) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        showAll();
        platform::Form& form = forms.get(GetParam().window);
        forms.show(GetParam().window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, key);
        expectOnlyOwnWindowHidden(&form);
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, OkButtonTest,
                         testing::Values(OkCase{"Rules", "btnOK"}, OkCase{"AboutKetterline", "Ok"},
                                         OkCase{"AboutDravonne", "Ok"}, OkCase{"AboutAuthor", "Ok"},
                                         OkCase{"License", "Ok"}, OkCase{"Win", "btnOK"},
                                         OkCase{"GameOver", "btnOK"}),
                         [](const auto& info) { return std::string(info.param.window); });

}  // namespace
