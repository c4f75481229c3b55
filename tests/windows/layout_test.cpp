#include <QPixmap>

#include "platform/controls.h"
#include "platform/twips.h"
#include "resources/pictures.h"
#include "windows_fixture.h"

namespace {

using platform::TitleButton;
using platform::TitleButtons;
using platform::twipsRect;

struct WindowCase {
    const char* name;
    const char* caption;
    int widthTwips;
    int heightTwips;
    bool fixedSize;
    TitleButtons buttons;
};

class WindowFrameTest : public InformationWindowsTest,
                        public testing::WithParamInterface<WindowCase> {};

TEST_P(WindowFrameTest, HasItsCaptionClientSizeFrameAndTitleButtons) {
    const WindowCase& c = GetParam();
    platform::Form& form = forms.get(c.name);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    EXPECT_EQ(form.windowTitle(), c.caption);
    EXPECT_EQ(form.client()->size(), platform::twipsSize(c.widthTwips, c.heightTwips));
    EXPECT_EQ(form.minimumSize() == form.maximumSize(), c.fixedSize);
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint),
              c.buttons.testFlag(TitleButton::Minimize));
    EXPECT_EQ(flags.testFlag(Qt::WindowMaximizeButtonHint),
              c.buttons.testFlag(TitleButton::Maximize));
    EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), c.buttons.testFlag(TitleButton::Close));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
}

constexpr TitleButtons kMinClose = TitleButton::Minimize | TitleButton::Close;
constexpr TitleButtons kAll = TitleButton::Minimize | TitleButton::Maximize | TitleButton::Close;

INSTANTIATE_TEST_SUITE_P(
    AllWindows, WindowFrameTest,
    testing::Values(WindowCase{"Rules", "Rules", 6420, 3315, false, kAll},
                    WindowCase{"AboutKetterline", "About Ketterline", 5820, 1995, false, kMinClose},
                    WindowCase{"AboutDravonne", "About Dravonne Software", 6300, 2235, false,
                               kMinClose},
                    WindowCase{"AboutAuthor", "About Author", 4695, 1155, false, kMinClose},
                    WindowCase{"License", "License", 4695, 1215, false, kMinClose},
                    WindowCase{"Win", "You Win", 2550, 1125, true, TitleButton::Close},
                    WindowCase{"GameOver", "Game Over", 1560, 1095, true, TitleButton::Close},
                    WindowCase{"Timers", "Timers", 4680, 3195, false, kAll}),
    [](const auto& info) { return std::string(info.param.name); });

enum class Kind { Label, CentredLabel, Button, PictureBox };

struct ControlCase {
    const char* window;
    const char* control;
    Kind kind;
    QRect twips;      // left, top, width, height
    QString content;  // the text, or the picture's path
};

class ControlTest : public InformationWindowsTest,
                    public testing::WithParamInterface<ControlCase> {};

TEST_P(ControlTest, StandsAtItsPlaceWithItsContent) {
    const ControlCase& c = GetParam();
    QWidget* widget = control(c.window, c.control);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), forms.get(c.window).client());
    EXPECT_EQ(widget->geometry(),
              twipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()));
    switch (c.kind) {
        case Kind::Label:
        case Kind::CentredLabel: {
            auto* label = qobject_cast<platform::Label*>(widget);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), c.content);
            EXPECT_TRUE(label->wordWrap());
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
                      c.kind == Kind::CentredLabel ? Qt::AlignHCenter : Qt::AlignLeft);
            break;
        }
        case Kind::Button: {
            auto* button = qobject_cast<platform::Button*>(widget);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), c.content);
            break;
        }
        case Kind::PictureBox: {
            auto* box = qobject_cast<platform::PictureBox*>(widget);
            ASSERT_NE(box, nullptr);
            const QImage expected = QPixmap(c.content).toImage();
            ASSERT_FALSE(expected.isNull());
            EXPECT_EQ(box->pixmap().toImage(), expected);
            break;
        }
    }
}

const ControlCase kControls[] = {
    ControlCase{"Rules", "btnOK", Kind::Button, {2760, 2760, 855, 375}, "OK"},
    ControlCase{"Rules", "lblRules0", Kind::CentredLabel, {2880, 120, 855, 255}, "Rules"},
    ControlCase{"Rules",
                "lblRules1",
                Kind::Label,
                {120, 480, 6135, 975},
                "The goal of the game is to stack all cards of the same suit in increasing "
                "order on the four spots in the middle of the board. In order to move a card, "
                "you must first select it by clicking on it (it will then appear as the "
                "selected card) and then click on card to which you wish to move it. You can "
                "only move a card if it is one of the 8 top cards on the side stacks."},
    ControlCase{"Rules",
                "lblRules2",
                Kind::Label,
                {120, 1560, 6135, 1095},
                "A card can be only in two ways. First it can be moved onto one of the four "
                "center stacks if its value is one greater than the card currently on the "
                "satck and it is of the same suit.Second, it can be moved onto one of the "
                "eight side stacks if the card being moved has value one less than the value "
                "of the top card on the stack, or if the stack is empty."},
    ControlCase{"AboutKetterline",
                "icnKetterline",
                Kind::PictureBox,
                {360, 360, 480, 480},
                resources::programEmblemPath()},
    ControlCase{"AboutKetterline", "Ok", Kind::Button, {4440, 120, 1215, 375}, "Ok"},
    ControlCase{"AboutKetterline",
                "icnDravonne",
                Kind::PictureBox,
                {240, 240, 720, 720},
                resources::makerLogoPath()},
    ControlCase{"AboutKetterline",
                "lblComments",
                Kind::Label,
                {1200, 1080, 3135, 615},
                "If you have any comments or thoughts on this program, please send them to "
                "comments@dravonne.example"},
    ControlCase{"AboutKetterline",
                "lblCopywrite",
                Kind::Label,
                {1200, 480, 3135, 255},
                "\u00a9 1997 Dravonne Software"},
    ControlCase{
        "AboutKetterline", "lblAuthor", Kind::Label, {1200, 720, 3135, 255}, "by Peter Lindqvist"},
    ControlCase{"AboutKetterline",
                "lblName",
                Kind::Label,
                {1200, 240, 3135, 255},
                "Ketterline version 1.0"},
    ControlCase{"AboutDravonne", "Ok", Kind::Button, {4440, 120, 1215, 375}, "Ok"},
    ControlCase{"AboutDravonne",
                "icnDravonne",
                Kind::PictureBox,
                {240, 240, 720, 720},
                resources::makerLogoPath()},
    ControlCase{"AboutDravonne",
                "Label3",
                Kind::Label,
                {1080, 1920, 2535, 1455},
                "      url@dravonne.example"},
    ControlCase{"AboutDravonne",
                "lblqex",
                Kind::Label,
                {1080, 960, 3135, 255},
                "      www.dravonne.example"},
    ControlCase{"AboutDravonne",
                "lblGetWebPage",
                Kind::Label,
                {1080, 1200, 3255, 735},
                " Or, we will send you the current URL of Dravonne Software's home pae if "
                "you send an e-mail to:"},
    ControlCase{"AboutDravonne",
                "lblWebPage",
                Kind::Label,
                {1080, 120, 3135, 975},
                "To find out more about Dravonne Software and about other programs made by "
                "Dravonne Software you can visit our web site. Our website can be reached "
                "from the web site: "},
    ControlCase{"AboutAuthor", "Ok", Kind::Button, {3360, 120, 1215, 375}, "Ok"},
    ControlCase{"AboutAuthor",
                "lblWebSite",
                Kind::Label,
                {120, 720, 3135, 255},
                "     www.dravonne.example"},
    ControlCase{"AboutAuthor",
                "lblText",
                Kind::Label,
                {120, 240, 3135, 495},
                "To find out about the author, you can visit the web site:"},
    ControlCase{"License", "Ok", Kind::Button, {3360, 120, 1215, 375}, "Ok"},
    ControlCase{"License",
                "lblText",
                Kind::Label,
                {120, 240, 3135, 975},
                "The current License Agreement, and Registration Information are available  "
                "from the Dravonne Software Home Page (see Info->About->Dravonne)"},
    ControlCase{"Win", "btnOK", Kind::Button, {840, 600, 855, 375}, "OK"},
    ControlCase{"Win", "lblWin", Kind::Label, {240, 240, 2175, 375}, "Congratulations You Win!!"},
    ControlCase{"GameOver", "btnOK", Kind::Button, {360, 480, 855, 375}, "OK"},
    ControlCase{"GameOver", "lblGameOver", Kind::Label, {120, 120, 2175, 255}, "Sorry, Game Over"},
    ControlCase{"Timers", "lblSeq", Kind::Label, {120, 720, 1335, 255}, "Sequence Timer"},
};

INSTANTIATE_TEST_SUITE_P(AllControls, ControlTest, testing::ValuesIn(kControls),
                         [](const auto& info) {
                             return std::string(info.param.window) + "_" +
                                    std::string(info.param.control);
                         });

class WindowContentsTest : public InformationWindowsTest,
                           public testing::WithParamInterface<const char*> {};

TEST_P(WindowContentsTest, HoldsOnlyItsDesignControls) {
    QStringList expected;
    for (const ControlCase& c : kControls) {
        if (QString::fromLatin1(c.window) == GetParam()) {
            expected << c.control;
        }
    }
    QStringList found;
    for (const QWidget* child :
         forms.get(GetParam()).client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        found << child->objectName();
    }
    expected.sort();
    found.sort();
    EXPECT_EQ(found, expected);
}

INSTANTIATE_TEST_SUITE_P(AllWindows, WindowContentsTest,
                         testing::Values("Rules", "AboutKetterline", "AboutDravonne", "AboutAuthor",
                                         "License", "Win", "GameOver", "Timers"));

}  // namespace
