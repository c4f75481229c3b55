#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSet>

#include "info_windows_fixture.h"
#include "platform/twips.h"
#include "resources/pictures.h"
#include "support/event_loop.h"
#include "support/texts.h"
#include "windows/info_window.h"

namespace {

// --- Frames and contents ---------------------------------------------------------------

struct FrameCase {
    InfoWindowId id;
    const char* caption;
    QSize clientTwips;
    bool fixedSize;
    Qt::WindowFlags titleButtons;
};

class WindowFrameTest : public InfoWindowsTest, public testing::WithParamInterface<FrameCase> {};

TEST_P(WindowFrameTest, HasItsCaptionClientSizeFrameAndTitleButtons) {
    const FrameCase& c = GetParam();
    showAndWait(c.id);
    const InfoWindow& shown = window(c.id);
    EXPECT_EQ(shown.windowTitle(), c.caption);
    EXPECT_EQ(shown.size(), platform::twipsSize(c.clientTwips.width(), c.clientTwips.height()));
    EXPECT_EQ(shown.minimumSize() == shown.maximumSize(), c.fixedSize);
    const Qt::WindowFlags buttons =
        Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
    EXPECT_EQ(shown.windowFlags() & buttons, c.titleButtons);
    EXPECT_TRUE(shown.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    EXPECT_EQ(shown.parentWidget(), nullptr);
    EXPECT_FALSE(shown.isModal());
}

constexpr Qt::WindowFlags kMinClose = Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
constexpr Qt::WindowFlags kAll = kMinClose | Qt::WindowMaximizeButtonHint;

INSTANTIATE_TEST_SUITE_P(
    AllWindows, WindowFrameTest,
    testing::Values(
        FrameCase{InfoWindowId::Rules, "Rules", {6420, 3315}, false, kAll},
        FrameCase{
            InfoWindowId::AboutKetterline, "About Ketterline", {5820, 1995}, false, kMinClose},
        FrameCase{
            InfoWindowId::AboutDravonne, "About Dravonne Software", {6300, 2235}, false, kMinClose},
        FrameCase{InfoWindowId::AboutAuthor, "About Author", {4695, 1155}, false, kMinClose},
        FrameCase{InfoWindowId::License, "License", {4695, 1215}, false, kMinClose},
        FrameCase{InfoWindowId::Win, "You Win", {2550, 1125}, true, Qt::WindowCloseButtonHint},
        FrameCase{
            InfoWindowId::GameOver, "Game Over", {1560, 1095}, true, Qt::WindowCloseButtonHint},
        FrameCase{InfoWindowId::Timers, "Timers", {4680, 3195}, false, kAll}),
    [](const auto& info) { return nameOf(info.param.id); });

class EveryWindowTest : public InfoWindowsTest, public testing::WithParamInterface<InfoWindowId> {};

// The windows were designed for a narrower font: every text must still be whole, inside its
// window and clear of the texts below it.
TEST_P(EveryWindowTest, EveryTextIsWholeAndClearOfTheOthers) {
    showAndWait(GetParam());
    const InfoWindow& shown = window(GetParam());
    const QRect client = shown.rect();
    const QList<QLabel*> labels = shown.findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (!label->pixmap().isNull()) {
            continue;
        }
        EXPECT_TRUE(textIsWhole(*label)) << label->objectName().toStdString();
        const QRect text = label->fontMetrics().boundingRect(
            QRect(label->pos(), QSize(label->width(), 10000)),
            static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text());
        EXPECT_TRUE(client.contains(text)) << label->objectName().toStdString();
        for (const QLabel* other : labels) {
            if (other->pixmap().isNull() && other->y() > label->y()) {
                EXPECT_FALSE(other->geometry().intersects(text))
                    << label->objectName().toStdString() << " runs into "
                    << other->objectName().toStdString();
            }
        }
    }
}

TEST_P(EveryWindowTest, TextsOfOneWindowShareOneSize) {
    showAndWait(GetParam());
    QSet<qreal> sizes;
    for (const QLabel* label : window(GetParam()).findChildren<QLabel*>()) {
        if (label->pixmap().isNull()) {
            sizes.insert(label->font().pointSizeF());
        }
    }
    EXPECT_EQ(sizes.size(), 1) << sizes.values().size();
}

TEST_P(EveryWindowTest, PicturesShowWholeAtTheirNaturalSize) {
    const QHash<QString, QString> pictureOf{{"productIcon", resources::programEmblemPath()},
                                            {"makerLogo", resources::makerLogoPath()}};
    for (PictureBox* box : window(GetParam()).findChildren<PictureBox*>()) {
        const QImage picture(pictureOf.value(box->objectName()));
        ASSERT_FALSE(picture.isNull()) << box->objectName().toStdString();
        EXPECT_EQ(box->grab().toImage().convertToFormat(QImage::Format_RGB32),
                  picture.convertToFormat(QImage::Format_RGB32))
            << box->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, EveryWindowTest, testing::ValuesIn(kAllInfoWindows),
                         [](const auto& info) { return nameOf(info.param); });

// The texts are the program's own, typing slips and spacing included.
TEST_F(InfoWindowsTest, TextsKeepTheirOwnSpellingAndSpacing) {
    const std::tuple<InfoWindowId, const char*, const char*> kept[] = {
        {InfoWindowId::Rules, "moves", "currently on the satck and it is of the same suit.Second"},
        {InfoWindowId::AboutDravonne, "homePageOffer", " Or, we will send you"},
        {InfoWindowId::AboutDravonne, "homePageOffer", "home pae if"},
        {InfoWindowId::AboutDravonne, "webAddress", "      www."},
        {InfoWindowId::AboutDravonne, "webSiteIntro", "from the web site: "},
        {InfoWindowId::AboutAuthor, "webAddress", "     www."},
        {InfoWindowId::License, "note", "Registration Information are available  from"},
        {InfoWindowId::Win, "message", "Congratulations You Win!!"},
        {InfoWindowId::AboutKetterline, "programName", "Ketterline version 1.0"},
        // The author is named so that no real person can be meant.
        {InfoWindowId::AboutKetterline, "author", "by the Ketterline authors"},
    };
    for (const auto& [id, name, text] : kept) {
        const auto* label = control<QLabel>(id, name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_TRUE(label->text().contains(QString::fromUtf8(text)))
            << name << ": " << label->text().toStdString();
    }
}

// --- The About Ketterline icons --------------------------------------------------------

class AboutKetterlineTest : public InfoWindowsTest {
protected:
    static constexpr InfoWindowId kAbout = InfoWindowId::AboutKetterline;
    InfoWindow& about() { return window(kAbout); }
    PictureBox* productIcon() { return control<PictureBox>(kAbout, "productIcon"); }
    PictureBox* makerLogo() { return control<PictureBox>(kAbout, "makerLogo"); }

    // The two icons share their centre, so this lands on whichever is showing.
    void clickIcons(int times) {
        for (int i = 0; i < times; ++i) {
            clickAt(kAbout, productIcon()->geometry().center());
        }
    }
    void expectShowingMakersLogo(bool makersLogo) {
        EXPECT_EQ(productIcon()->isVisible(), !makersLogo);
        EXPECT_EQ(makerLogo()->isVisible(), makersLogo);
    }
};

enum class Interruption { None, HiddenWithOk, ClosedThroughCloseBox };

struct IconCase {
    const char* name;
    int clicksBefore;
    Interruption interruption;
    int clicksAfter;
    bool makersLogo;
};

class IconSwapTest : public AboutKetterlineTest, public testing::WithParamInterface<IconCase> {};

TEST_P(IconSwapTest, IconsTakeTurnsAndSurviveOnlyHiding) {
    const IconCase& c = GetParam();
    showAndWait(kAbout);
    expectShowingMakersLogo(false);
    clickIcons(c.clicksBefore);
    const QPointer<InfoWindow> before = &about();
    if (c.interruption == Interruption::HiddenWithOk) {
        clickAt(kAbout, control(kAbout, "ok")->geometry().center());
        ASSERT_FALSE(about().isVisible());
    } else if (c.interruption == Interruption::ClosedThroughCloseBox) {
        closeThroughCloseBox(kAbout);
    }
    if (c.interruption != Interruption::None) {
        showAndWait(kAbout);
        EXPECT_EQ(&about() == before.data(), c.interruption == Interruption::HiddenWithOk);
    }
    clickIcons(c.clicksAfter);
    expectShowingMakersLogo(c.makersLogo);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, IconSwapTest,
    testing::Values(IconCase{"FirstClickShowsMakersLogo", 1, Interruption::None, 0, true},
                    IconCase{"SecondClickBringsProductIconBack", 2, Interruption::None, 0, false},
                    IconCase{"EveryClickSwapsAgain", 7, Interruption::None, 0, true},
                    IconCase{"HiddenWithOkKeepsMakersLogo", 1, Interruption::HiddenWithOk, 0, true},
                    IconCase{"HiddenWithOkThenClickedOnceMore", 3, Interruption::HiddenWithOk, 1,
                             false},
                    IconCase{"ClosedComesBackWithProductIcon", 1,
                             Interruption::ClosedThroughCloseBox, 0, false},
                    IconCase{"ClosedThenClickedSwapsFromProductIcon", 3,
                             Interruption::ClosedThroughCloseBox, 1, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AboutKetterlineTest, DoubleClickSwapsTheIconsOnce) {
    showAndWait(kAbout);
    QTest::mouseDClick(about().windowHandle(), Qt::LeftButton, {},
                       productIcon()->geometry().center());
    expectShowingMakersLogo(true);
    QTest::mouseDClick(about().windowHandle(), Qt::LeftButton, {},
                       productIcon()->geometry().center(), 1000);
    expectShowingMakersLogo(false);
}

struct MissCase {
    const char* name;
    QPoint point;  // client pixels
};

class IconMissTest : public AboutKetterlineTest, public testing::WithParamInterface<MissCase> {};

TEST_P(IconMissTest, ClickOffTheShowingIconChangesNothing) {
    showAndWait(kAbout);
    clickAt(kAbout, GetParam().point);
    expectShowingMakersLogo(false);
    EXPECT_TRUE(about().isVisible());
}

INSTANTIATE_TEST_SUITE_P(Clicks, IconMissTest,
                         testing::Values(MissCase{"InsideHiddenMakersLogoOnly", {18, 18}},
                                         MissCase{"OnLabel", {100, 20}},
                                         MissCase{"OnBackground", {20, 110}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InfoWindowsTest, AboutDravonneShowsItsLogoFromTheStart) {
    showAndWait(InfoWindowId::AboutDravonne);
    EXPECT_TRUE(control(InfoWindowId::AboutDravonne, "makerLogo")->isVisible());
}

// --- OK buttons and the windows' lifetime ----------------------------------------------

const InfoWindowId kWithOkButton[] = {InfoWindowId::Rules,         InfoWindowId::AboutKetterline,
                                      InfoWindowId::AboutDravonne, InfoWindowId::AboutAuthor,
                                      InfoWindowId::License,       InfoWindowId::Win,
                                      InfoWindowId::GameOver};

class OkButtonTest : public InfoWindowsTest, public testing::WithParamInterface<InfoWindowId> {
protected:
    void showAll() {
        for (InfoWindowId id : kWithOkButton) {
            showAndWait(id);
        }
    }
    void expectOnlyOwnWindowHidden(const InfoWindow* before) {
        EXPECT_EQ(&window(GetParam()), before);
        for (InfoWindowId id : kWithOkButton) {
            EXPECT_EQ(window(id).isVisible(), id != GetParam()) << nameOf(id);
        }
        EXPECT_TRUE(program.boardWindow().isVisible());
    }
};

TEST_P(OkButtonTest, ClickHidesOnlyItsOwnWindow) {
    showAll();
    const InfoWindow* before = &window(GetParam());
    auto* button = control<QPushButton>(GetParam(), "ok");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text().toUpper(), "OK");
    clickAt(GetParam(), button->geometry().center());
    expectOnlyOwnWindowHidden(before);
}

TEST_P(OkButtonTest, EnterReturnAndEscapeHideOnlyItsOwnWindow) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        showAll();
        InfoWindow& shown = window(GetParam());
        program.show(GetParam());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
        QTest::keyClick(&shown, key);
        expectOnlyOwnWindowHidden(&shown);
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, OkButtonTest, testing::ValuesIn(kWithOkButton),
                         [](const auto& info) { return nameOf(info.param); });

TEST_F(InfoWindowsTest, ShowingTwiceLeavesOneVisibleWindow) {
    program.show(InfoWindowId::License);
    program.show(InfoWindowId::License);
    int shown = 0;
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        shown += top->isVisible() && top->windowTitle() == "License";
    }
    EXPECT_EQ(shown, 1);
}

TEST_F(InfoWindowsTest, CloseBoxDestroysTheWindowAndTheNextUseMakesItAfresh) {
    showAndWait(InfoWindowId::AboutKetterline);
    QPointer<InfoWindow> closed = &window(InfoWindowId::AboutKetterline);
    closeThroughCloseBox(InfoWindowId::AboutKetterline);
    EXPECT_TRUE(closed.isNull());
    EXPECT_FALSE(window(InfoWindowId::AboutKetterline).isVisible());
    EXPECT_TRUE(program.boardWindow().isVisible());
}

TEST_F(InfoWindowsTest, EndingTheProgramHidesEveryWindowAndShowsNoMore) {
    showAndWait(InfoWindowId::Rules);
    EXPECT_TRUE(leavesTheEventLoop([this] { program.boardWindow().close(); }));
    EXPECT_FALSE(window(InfoWindowId::Rules).isVisible());
    program.show(InfoWindowId::AboutAuthor);
    EXPECT_FALSE(window(InfoWindowId::AboutAuthor).isVisible());
}

TEST_F(InfoWindowsTest, TimersIsNeverShown) {
    QCoreApplication::processEvents();
    EXPECT_FALSE(window(InfoWindowId::Timers).isVisible());
}

}  // namespace
