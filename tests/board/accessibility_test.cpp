#include <QAccessible>
#include <QPushButton>
#include <QSignalSpy>
#include <functional>

#include "board/keyboard_cursor.h"
#include "board/words.h"
#include "board_fixture.h"
#include "support/positions.h"

namespace {

// The card area as assistive technology reads it: after its child widgets the selected-card
// box, the list of places and the status bar with the notification that speaks what an action
// did. (Offscreen, Qt passes no accessibility event on; what the card area tells is tested as
// the announcer's value, in announcer_test.cpp.)
class AccessibilityTest : public BoardWindowTest {
protected:
    QAccessibleInterface* area() { return QAccessible::queryAccessibleInterface(&cardArea()); }
    QAccessibleInterface* part(int fromEnd) {
        return area()->child(area()->childCount() - fromEnd);
    }
    QAccessibleInterface* box() { return part(3); }
    QAccessibleInterface* list() { return part(2); }
    QAccessibleInterface* notification() { return part(1)->child(0); }
    // The notification has no name of its own: its text is its one child, a label.
    QString notified() {
        EXPECT_EQ(notification()->text(QAccessible::Name), "");
        EXPECT_EQ(notification()->childCount(), 1);
        return notification()->child(0)->text(QAccessible::Name);
    }
    QAccessibleInterface* place(int place) { return list()->child(place); }
    QString name(int place) { return this->place(place)->text(QAccessible::Name); }
    QStringList cardsOf(int place) {
        QStringList names;
        for (int card = 0; card < this->place(place)->childCount(); ++card) {
            names << this->place(place)->child(card)->text(QAccessible::Name);
        }
        return names;
    }
    QAccessibleActionInterface* actions(int place) { return this->place(place)->actionInterface(); }
    void act(int place, const QString& action) { actions(place)->doAction(action); }
    QPoint global(QPoint point) { return cardArea().mapToGlobal(point); }
};

TEST_F(AccessibilityTest, NamesEveryPlaceBeforeAndAfterADealAndSaysItDealt) {
    ASSERT_EQ(area()->childCount(), 2 + 3);  // the heading and "New" before the parts
    EXPECT_EQ(box()->text(QAccessible::Name), "Selected card: none");
    EXPECT_EQ(box()->role(), QAccessible::StaticText);
    EXPECT_EQ(list()->role(), QAccessible::List);
    EXPECT_EQ(part(1)->role(), QAccessible::StatusBar);
    EXPECT_EQ(notification()->role(), QAccessible::Notification);
    EXPECT_EQ(notification()->child(0)->role(), QAccessible::StaticText);
    EXPECT_TRUE(notification()->child(0)->state().invisible);  // not read with the panel
    EXPECT_EQ(notification()->child(0)->parent(), notification());
    ASSERT_EQ(list()->childCount(), 12);  // "1 of 12" .. "12 of 12"
    EXPECT_EQ(name(0), "Side stack 5: empty");
    EXPECT_EQ(name(1), "Center stack, clubs: empty");
    EXPECT_EQ(place(4)->role(), QAccessible::ListItem);
    EXPECT_EQ(list()->indexOfChild(place(4)), 4);
    EXPECT_EQ(place(4)->parent(), list());
    EXPECT_EQ(place(0)->childCount(), 0);

    window->newButton().click();
    // The fixed source deals the smallest card left: 2C .. 6S onto side stack 5.
    EXPECT_EQ(name(0), "Side stack 5: six of spades on top, 6 cards");
    EXPECT_EQ(name(4), "Center stack, hearts: ace of hearts");
    EXPECT_EQ(name(11), "Side stack 4: king of spades on top, 6 cards");
    EXPECT_EQ(notified(), "New game dealt.");
    EXPECT_EQ(place(0)->text(QAccessible::Description), "");

    EXPECT_EQ(place(0)->rect(), QRect(global(sideItem(5, 5).geometry().topLeft()), QSize(79, 97)));
    // Hit-testing goes down from the card area to the place and to the card under the point;
    // the button lies above everything.
    const QPoint strip = global(sideItem(5, 0).geometry().topRight() + QPoint(-5, 40));
    EXPECT_EQ(area()->childAt(strip.x(), strip.y()), list());
    EXPECT_EQ(list()->childAt(strip.x(), strip.y()), place(0));
    EXPECT_EQ(place(0)->childAt(strip.x(), strip.y()), place(0)->child(0));
    const QPoint button = global(window->newButton().geometry().center());
    EXPECT_EQ(area()->childAt(button.x(), button.y())->role(), QAccessible::Button);
    const QPoint empty = global(QPoint(200, 60));
    EXPECT_EQ(area()->childAt(empty.x(), empty.y()), nullptr);
}

TEST_F(AccessibilityTest, EveryCardOfAStackCanBeReadWhereItShows) {
    window->newButton().click();
    // The fixed source deals the smallest card left, row by row across the stacks.
    EXPECT_EQ(cardsOf(0),
              (QStringList{"two of clubs", "ten of clubs", "six of hearts", "two of diamonds",
                           "ten of diamonds", "six of spades, top card"}));
    EXPECT_EQ(cardsOf(1), QStringList{"ace of clubs, top card"});
    // Side stack 5 fans out to the left, side stack 1 to the right: each card below the top
    // shows the strip of it that the next card leaves uncovered, the top card shows whole.
    auto rectOf = [this](int place, int card) {
        const QRect global = this->place(place)->child(card)->rect();
        return QRect(cardArea().mapFromGlobal(global.topLeft()), global.size());
    };
    const QRect left = sideItem(5, 0).geometry();
    EXPECT_EQ(rectOf(0, 0), QRect(sideItem(5, 1).geometry().right() + 1, left.top(),
                                  left.right() - sideItem(5, 1).geometry().right(), 97));
    EXPECT_EQ(rectOf(2, 0), QRect(sideItem(1, 0).geometry().topLeft(), QSize(24, 97)));
    EXPECT_EQ(rectOf(2, 5), sideItem(1, 5).geometry());
    EXPECT_EQ(rectOf(1, 0), centerItem(0).geometry());
    EXPECT_EQ(place(2)->indexOfChild(place(2)->child(3)), 3);
    EXPECT_EQ(place(2)->child(3)->parent(), place(2));
}

TEST_F(AccessibilityTest, CardsComeAndGoAndEveryCardOfTheLongestStackCanBeRead) {
    showPosition(midGamePosition());
    clickTopOf(2);  // the seven of hearts onto the eight of clubs on side stack 1
    clickTopOf(1);
    EXPECT_EQ(cardsOf(2), (QStringList{"king of spades", "queen of hearts", "eight of clubs",
                                       "seven of hearts, top card"}));
    EXPECT_EQ(cardsOf(5), QStringList{"five of diamonds, top card"});

    // The longest stack there can be: a dealt king and a run from the queen down to the two.
    BoardState longest = position({{3,
                                    {"KH", "2C", "3C", "4C", "5C", "6C", "QS", "JH", "10S", "9H",
                                     "8S", "7H", "6S", "5H", "4S", "3H", "2S"}}});
    showPosition(longest);
    ASSERT_EQ(place(8)->childCount(), 17);
    EXPECT_EQ(place(8)->child(16)->text(QAccessible::Name), "two of spades, top card");
    EXPECT_EQ(place(8)->child(16)->rect().size(), QSize(79, 97));
    EXPECT_EQ(place(8)->child(15)->rect().size(), QSize(24, 97));
    EXPECT_EQ(said(), "Nothing is selected.");
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_S}) {
        QTest::keyClick(&cardArea(), key);
    }
    EXPECT_EQ(said(),
              "Side stack 3, 17 cards from the bottom: king of hearts, two of clubs, three of "
              "clubs, four of clubs, five of clubs, six of clubs, queen of spades, jack of hearts, "
              "ten of spades, nine of hearts, eight of spades, seven of hearts, six of spades, "
              "five of hearts, four of spades, three of hearts, two of spades on top.");
}

TEST_F(AccessibilityTest, PlacesArePressedFocusedAndReadByTheirActions) {
    showPosition(midGamePosition());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const QString press = QAccessibleActionInterface::pressAction();
    const QString focus = QAccessibleActionInterface::setFocusAction();
    EXPECT_EQ(actions(5)->actionNames(),
              (QStringList{press, focus, words::text(words::Text::ReadCardsAction),
                           words::text(words::Text::WhereAction)}));
    act(5, press);  // side stack 2, the seven of hearts
    EXPECT_EQ(name(5), "Side stack 2: seven of hearts on top, 2 cards, selected");
    EXPECT_EQ(box()->text(QAccessible::Name), "Selected card: seven of hearts");
    EXPECT_TRUE(place(5)->state().selected);
    EXPECT_EQ(notified(), "Seven of hearts selected.");

    QSignalSpy moved(&cursor(), &KeyboardCursor::moved);
    act(2, focus);  // side stack 1, the eight of clubs
    EXPECT_TRUE(cardArea().hasFocus());
    EXPECT_EQ(moved.count(), 0);  // told after the card area's own focus
    QCoreApplication::processEvents();
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved[0][0], 2);
    EXPECT_TRUE(place(2)->state().focused);
    EXPECT_EQ(area()->focusChild(), place(2));

    act(2, press);
    EXPECT_EQ(name(2), "Side stack 1: seven of hearts on top, 4 cards");
    const QString movedText =
        "Seven of hearts moved onto eight of clubs. Side stack 2 now shows five of diamonds.";
    EXPECT_EQ(said(), movedText);

    // Nothing is said again: not at the next place, not on coming back into the cards.
    moved.clear();
    QTest::keyClick(&cardArea(), Qt::Key_Down);
    window->newButton().setFocus();
    cardArea().setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    ASSERT_EQ(moved.count(), 2);
    EXPECT_EQ(moved[0][0], 5);
    EXPECT_EQ(moved[1][0], 5);
    EXPECT_EQ(said(), movedText);
    EXPECT_EQ(place(5)->text(QAccessible::Description), "");

    act(5, words::text(words::Text::ReadCardsAction));
    EXPECT_EQ(said(), "Side stack 2, 1 card from the bottom: five of diamonds on top.");
    EXPECT_EQ(cursor().place(), 5);
}

// Each key binding that assistive technology is told is a key that does the action there.
TEST_F(AccessibilityTest, KeyBindingsAreTheKeysThatDoTheAction) {
    const std::pair<QString, const char*> bound[] = {
        {QAccessibleActionInterface::pressAction(), "Space"},
        {words::text(words::Text::ReadCardsAction), "S"},
        {words::text(words::Text::WhereAction), "W"}};
    for (const auto& [action, key] : bound) {
        showPosition(midGamePosition());
        // The key comes second, where Orca takes it as the one that does the action.
        EXPECT_EQ(actions(5)->keyBindingsForAction(action), (QStringList{"", key}));
        cursor().moveTo(5);
        QTest::keyClick(&cardArea(), QKeySequence(QLatin1String(key))[0].key());
        const QString byKey = said();
        showPosition(midGamePosition());
        act(5, action);
        EXPECT_EQ(said(), byKey) << key;
    }
    EXPECT_TRUE(
        actions(5)->keyBindingsForAction(QAccessibleActionInterface::setFocusAction()).isEmpty());
}

// What is spoken after each kind of action, on the position of support/positions.h:
//   1: KS QH 8C   2: 5D 7H   3: empty   4: 2H   5: 9D 3S   6: 4C   7: 2C   8: JD 10S
//   center tops AC AH 2D AS.
struct SpokenRow {
    const char* name;
    std::function<void(BoardWindowTest&)> act;
    const char* said;
};

void PrintTo(const SpokenRow& row, std::ostream* out) {
    *out << row.name;
}

class SpokenTest : public BoardWindowTest, public testing::WithParamInterface<SpokenRow> {};

TEST_P(SpokenTest, SaysWhatTheActionDid) {
    showPosition(midGamePosition());
    GetParam().act(*this);
    EXPECT_EQ(said(), GetParam().said);
}

auto tops(std::vector<int> stacks) {
    return [stacks](BoardWindowTest& t) {
        for (int stack : stacks) {
            t.clickTopOf(stack);
        }
    };
}
auto keys(std::vector<Qt::Key> keys) {
    return [keys](BoardWindowTest& t) {
        for (Qt::Key key : keys) {
            QTest::keyClick(&t.cardArea(), key);
        }
    };
}

INSTANTIATE_TEST_SUITE_P(
    EveryOutcome, SpokenTest,
    testing::Values(
        SpokenRow{"Selection", tops({2}), "Seven of hearts selected."},
        SpokenRow{"ChangedSelection", tops({2, 8}), "Ten of spades selected."},
        SpokenRow{"SameCardAgain", tops({2, 2}), "Seven of hearts selected."},
        SpokenRow{"MoveOntoACard", tops({2, 1}),
                  "Seven of hearts moved onto eight of clubs. Side stack 2 now shows five of "
                  "diamonds."},
        SpokenRow{"MoveOntoAnEmptyStack", tops({8, 3}),
                  "Ten of spades moved to empty side stack 3. Side stack 8 now shows jack of "
                  "diamonds."},
        SpokenRow{"MoveHome",
                  [](BoardWindowTest& t) {
                      t.clickTopOf(4);
                      t.clickCenterOf(t.centerItem(1));
                  },
                  "Two of hearts moved home to the hearts center stack. Side stack 4 is now "
                  "empty."},
        SpokenRow{"RefusedHome",
                  [](BoardWindowTest& t) {
                      t.clickTopOf(5);
                      t.clickCenterOf(t.centerItem(3));
                  },
                  "The spades center stack does not take three of spades. Nothing is selected."},
        SpokenRow{"DroppedByTheBackground",
                  [](BoardWindowTest& t) {
                      t.clickTopOf(6);
                      t.clickBackground();
                  },
                  "Four of clubs is no longer selected."},
        SpokenRow{"DroppedByEscape",
                  [](BoardWindowTest& t) {
                      t.clickTopOf(6);
                      QTest::keyClick(&t.cardArea(), Qt::Key_Escape);
                  },
                  "Four of clubs is no longer selected."},
        SpokenRow{"EscapeWithNothingSelected", keys({Qt::Key_Escape}), "Nothing is selected."},
        SpokenRow{"CenterStackWithNothingSelected", keys({Qt::Key_Right, Qt::Key_Space}),
                  "Nothing is selected."},
        SpokenRow{"EmptyStackWithNothingSelected", tops({3}), "Nothing is selected."},
        SpokenRow{"BuriedCardKeepsTheSelection",
                  [](BoardWindowTest& t) {
                      t.clickTopOf(2);
                      t.clickAt(t.sideItem(1, 0).geometry().topLeft() + QPoint(5, 40));
                  },
                  "Seven of hearts is still selected."},
        SpokenRow{"Deal", [](BoardWindowTest& t) { t.window->newButton().click(); },
                  "New game dealt."},
        SpokenRow{"ReadingAStack", keys({Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_S}),
                  "Side stack 2, 2 cards from the bottom: five of diamonds, seven of hearts on "
                  "top."},
        SpokenRow{"ReadingAnEmptyStack",
                  keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_S}),
                  "Side stack 3 is empty."},
        SpokenRow{"ReadingACenterStack", keys({Qt::Key_Right, Qt::Key_S}),
                  "Center stack, clubs: ace of clubs on top."},
        SpokenRow{"WhereWithASelection",
                  [](BoardWindowTest& t) {
                      t.clickTopOf(4);
                      QTest::keyClick(&t.cardArea(), Qt::Key_W);
                  },
                  "Two of hearts can go onto three of spades on side stack 5, home, or to empty "
                  "side stack 3."},
        SpokenRow{"WhereWithNothingSelected",
                  keys({Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_W}),
                  "If selected, seven of hearts could go onto eight of clubs on side stack 1 or "
                  "to empty side stack 3."},
        SpokenRow{"WhereOnAnEmptyStack",
                  keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_W}),
                  "There is no card here to move."},
        SpokenRow{"WhereOnACenterStack", keys({Qt::Key_Right, Qt::Key_W}),
                  "There is no card here to move."},
        SpokenRow{"WhereNowhere",
                  [](BoardWindowTest& t) {
                      BoardState board = midGamePosition();
                      board.sideStacks[3][0] = card("KH");
                      t.showPosition(board);
                      t.clickTopOf(8);
                      QTest::keyClick(&t.cardArea(), Qt::Key_W);
                  },
                  "Ten of spades can go nowhere."},
        SpokenRow{"RepeatAfterAnOutcome",
                  [](BoardWindowTest& t) {
                      t.clickTopOf(2);
                      QTest::keyClick(&t.cardArea(), Qt::Key_R);
                      QTest::keyClick(&t.cardArea(), Qt::Key_R);
                  },
                  "Seven of hearts selected."},
        SpokenRow{"RepeatAfterAReading", keys({Qt::Key_Right, Qt::Key_S, Qt::Key_R}),
                  "Center stack, clubs: ace of clubs on top."},
        SpokenRow{"ReadingTheBoard", keys({Qt::Key_B}),
                  "Side stack 5: three of spades on top, 2 cards. Center stack, clubs: ace of "
                  "clubs. Side stack 1: eight of clubs on top, 3 cards. Side stack 6: four of "
                  "clubs on top, 1 card. Center stack, hearts: ace of hearts. Side stack 2: "
                  "seven of hearts on top, 2 cards. Side stack 7: two of clubs on top, 1 card. "
                  "Center stack, diamonds: two of diamonds. Side stack 3: empty. Side stack 8: "
                  "ten of spades on top, 2 cards. Center stack, spades: ace of spades. Side "
                  "stack 4: two of hearts on top, 1 card."}),
    [](const testing::TestParamInfo<SpokenRow>& info) { return info.param.name; });

TEST_F(BoardWindowTest, BeforeTheFirstDealEveryActionOnTheCardsSaysHowToDeal) {
    const QString howToDeal = QStringLiteral(
        "No game has been dealt yet. Press New, or choose New Game in the File menu, to deal.");
    for (const auto& act : std::vector<std::function<void()>>{
             [this] { clickTopOf(5); }, [this] { clickBackground(); },
             [this] { QTest::keyClick(&cardArea(), Qt::Key_Space); },
             [this] { QTest::keyClick(&cardArea(), Qt::Key_S); },
             [this] { QTest::keyClick(&cardArea(), Qt::Key_B); },
             [this] { QTest::keyClick(&cardArea(), Qt::Key_W); },
             [this] { QTest::keyClick(&cardArea(), Qt::Key_3); },
             [this] { QTest::keyClick(&cardArea(), Qt::Key_H); }}) {
        cursor().moveTo(0);
        act();
        EXPECT_EQ(said(), howToDeal);
    }
}

TEST_F(BoardWindowTest, RepeatBeforeAnythingWasSaidSaysSoAndTheLettersAreOnlyPlain) {
    QTest::keyClick(&cardArea(), Qt::Key_R);
    EXPECT_EQ(said(), "Nothing has been said yet.");
    window->newButton().click();
    for (Qt::Key key : {Qt::Key_R, Qt::Key_W, Qt::Key_S, Qt::Key_B}) {
        for (Qt::KeyboardModifier modifier :
             {Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier}) {
            QTest::keyClick(&cardArea(), key, modifier);
            EXPECT_EQ(said(), "New game dealt.") << key << " with " << modifier;
        }
    }
}

}  // namespace
