#include <QAccessible>
#include <QPushButton>

#include "board/board_accessibility.h"
#include "board/board_canvas.h"
#include "board_fixture.h"
#include "support/positions.h"

namespace {

constexpr int kBox = boardAccessibility::kSelectedCardBox;

struct Heard {
    QAccessible::Event type;
    QString name;
};

// The card area as assistive technology reads it: after its child widgets the selected-card
// box, then the places row by row.
class AccessibilityTest : public BoardWindowTest {
protected:
    // Offscreen Qt has no accessibility bridge, so it passes no event on: the card area's
    // signal tells what it sent.
    AccessibilityTest() {
        QObject::connect(&canvas(), &BoardCanvas::accessibleEvent,
                         [this](int place, QAccessible::Event type) {
                             events.push_back({type, name(place)});
                         });
    }
    QAccessibleInterface* area() { return QAccessible::queryAccessibleInterface(&canvas()); }
    // The windowless children end with the twelve places, after the selected-card box.
    QAccessibleInterface* entry(int place) {
        return area()->child(area()->childCount() - boardPlaces::kCount + place);
    }
    QString name(int place) { return entry(place)->text(QAccessible::Name); }
    void act(int place, const QString& action) {
        entry(place)->actionInterface()->doAction(action);
    }
    std::vector<QString> heardOf(QAccessible::Event type) {
        std::vector<QString> names;
        for (const Heard& event : events) {
            if (event.type == type) {
                names.push_back(event.name);
            }
        }
        return names;
    }

    std::vector<Heard> events;
};

TEST_F(AccessibilityTest, NamesEveryPlaceBeforeAndAfterADeal) {
    ASSERT_EQ(area()->childCount(), 2 + 13);  // the heading and "New" before the entries
    EXPECT_EQ(name(kBox), "Selected card: none");
    EXPECT_EQ(name(0), "Side stack 5: empty");
    EXPECT_EQ(name(1), "Center stack, clubs: empty");
    EXPECT_EQ(entry(kBox)->role(), QAccessible::StaticText);
    EXPECT_EQ(entry(4)->role(), QAccessible::ListItem);
    EXPECT_EQ(area()->indexOfChild(entry(4)), 2 + 5);

    window->newButton().click();
    // The fixed source deals the smallest card left: 2C .. 6S onto side stack 5.
    EXPECT_EQ(name(0), "Side stack 5: six of spades on top, 6 cards");
    EXPECT_EQ(name(4), "Center stack, hearts: ace of hearts");
    EXPECT_EQ(name(11), "Side stack 4: king of spades on top, 6 cards");
    EXPECT_EQ(heardOf(QAccessible::NameChanged).size(), 12u);
    EXPECT_EQ(entry(0)->text(QAccessible::Description), "Dealt a new game");
    EXPECT_EQ(heardOf(QAccessible::DescriptionChanged), std::vector<QString>{name(0)});

    auto global = [this](QPoint point) { return canvas().mapToGlobal(point); };
    EXPECT_EQ(entry(0)->rect(), QRect(global(sideItem(5, 5).geometry().topLeft()), QSize(79, 97)));
    // The strip of the bottom card belongs to its place; the button lies above everything.
    const QPoint strip = global(sideItem(5, 0).geometry().topRight() + QPoint(-5, 40));
    EXPECT_EQ(area()->childAt(strip.x(), strip.y()), entry(0));
    const QPoint button = global(window->newButton().geometry().center());
    EXPECT_EQ(area()->childAt(button.x(), button.y())->role(), QAccessible::Button);
    const QPoint empty = global(QPoint(200, 60));
    EXPECT_EQ(area()->childAt(empty.x(), empty.y()), nullptr);
}

TEST_F(AccessibilityTest, PressAndSetFocusPlayAndEveryChangeIsTold) {
    showPosition(midGamePosition());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const QString press = QAccessibleActionInterface::pressAction();
    events.clear();
    act(5, press);  // side stack 2, the seven of hearts
    EXPECT_EQ(name(5), "Side stack 2: seven of hearts on top, 2 cards, selected");
    EXPECT_TRUE(entry(5)->state().selected);
    EXPECT_EQ(heardOf(QAccessible::NameChanged),
              (std::vector<QString>{"Selected card: seven of hearts", name(5)}));

    events.clear();
    act(2, QAccessibleActionInterface::setFocusAction());  // side stack 1, the eight of clubs
    EXPECT_TRUE(canvas().hasFocus());
    EXPECT_TRUE(heardOf(QAccessible::Focus).empty());  // after the card area's own
    QCoreApplication::processEvents();
    EXPECT_EQ(heardOf(QAccessible::Focus), std::vector<QString>{name(2)});
    EXPECT_TRUE(entry(2)->state().focused);

    act(2, press);
    EXPECT_EQ(name(2), "Side stack 1: seven of hearts on top, 4 cards");
    EXPECT_EQ(entry(2)->text(QAccessible::Description),
              "Moved seven of hearts onto eight of clubs");
    EXPECT_EQ(heardOf(QAccessible::NameChanged),
              (std::vector<QString>{"Selected card: none", name(2), name(5)}));
    EXPECT_EQ(heardOf(QAccessible::DescriptionChanged), std::vector<QString>{name(2)});

    events.clear();
    QTest::keyClick(&canvas(), Qt::Key_Down);
    EXPECT_EQ(heardOf(QAccessible::Focus), std::vector<QString>{name(5)});
    EXPECT_EQ(entry(5)->text(QAccessible::Description), "");  // told once, where it happened
}

TEST_F(BoardWindowTest, InfoWindowsReadAsDialogsWithTheirTextAndNamedPictures) {
    InfoWindow& about = program.window(InfoWindowId::AboutKetterline);
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&about);
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), "About Ketterline");
    EXPECT_EQ(dialog->text(QAccessible::Description),
              "Ketterline version 1.0\n\u00a9 1997 Dravonne Software\nby the Ketterline "
              "authors\nIf you have any comments or thoughts on this program, please send them "
              "to comments@dravonne.example");
    for (const auto& [control, text] : {std::pair{"productIcon", "Ketterline icon"},
                                        std::pair{"makerLogo", "Dravonne Software logo"}}) {
        QAccessibleInterface* picture =
            QAccessible::queryAccessibleInterface(about.control(control));
        EXPECT_EQ(picture->role(), QAccessible::Graphic);
        EXPECT_EQ(picture->text(QAccessible::Name), text);
    }
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&program.window(InfoWindowId::Rules))
                    ->text(QAccessible::Description)
                    .startsWith("Rules\nThe goal of the game is"));
}

}  // namespace
