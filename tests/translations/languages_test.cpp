#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextLayout>
#include <map>
#include <memory>
#include <set>

#include "board/board_window.h"
#include "board/places.h"
#include "board/words.h"
#include "platform/translations.h"
#include "resources/pictures.h"
#include "support/board_clicks.h"
#include "support/positions.h"
#include "support/sources.h"
#include "windows/info_windows.h"

namespace {

// A language as its translation names the cards the tests play with, and counts cards.
struct Language {
    const char* code;
    const char* sevenOfHearts;
    const char* eightOfClubs;
    const char* twoOfHearts;
    const char* threeOfSpades;
    // "1 Karte" ...: 1, 2, 5 and 17 cards, then 21 and 22.
    std::array<const char*, 6> cards;
};

void PrintTo(const Language& language, std::ostream* out) {
    *out << language.code;
}

// What no translated sentence says in English.
const char* const kEnglishWords[] = {"selected", "moved",  "Side stack", "Center stack",
                                     "can go",   "on top", "nowhere"};

class LanguageTest : public testing::TestWithParam<Language> {
protected:
    void speakIt() {
        translations_ = std::make_unique<platform::Translations>(QLocale(GetParam().code));
        ASSERT_EQ(translations_->language(), GetParam().code);
        translations_->install();
    }
    // Says the text in this language, and none of it in English.
    void expectSaid(const QString& text, std::initializer_list<const char*> cards) {
        for (const char* card : cards) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(card), Qt::CaseInsensitive))
                << text.toStdString() << " names no " << card;
        }
        for (const char* word : kEnglishWords) {
            EXPECT_FALSE(text.contains(QLatin1String(word))) << text.toStdString();
        }
    }

private:
    std::unique_ptr<platform::Translations> translations_;
};

// A Board window of its own.
struct Board {
    Board() { window.show(); }
    ConstantSource random{0.0f};
    BoardState state;
    platform::PictureCache pictures{resources::cardPicturePath, resources::doubleSizePath};
    BoardWindow window{state, random, pictures};
    BoardClicks clicks{window, state};
};

TEST_P(LanguageTest, TheBoardSaysWhatHappensInTheLanguage) {
    speakIt();
    Board board;
    BoardClicks& play = board.clicks;
    CardArea& area = play.cardArea();
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(&area);
    EXPECT_NE(tree->text(QAccessible::Name), words::english(words::Text::CardArea));
    EXPECT_NE(board.window.windowTitle(), words::english(words::Text::WindowTitle));

    play.showPosition(midGamePosition());
    play.clickTopOf(2);  // the seven of hearts
    expectSaid(play.said(), {GetParam().sevenOfHearts});
    QTest::keyClick(&area, Qt::Key_W);
    expectSaid(play.said(), {GetParam().sevenOfHearts, GetParam().eightOfClubs});
    play.clickTopOf(1);
    expectSaid(play.said(), {GetParam().sevenOfHearts, GetParam().eightOfClubs});
    play.clickTopOf(4);
    play.clickCenterOf(play.centerItem(1));
    expectSaid(play.said(), {GetParam().twoOfHearts});
    play.clickTopOf(5);
    play.clickCenterOf(play.centerItem(3));
    expectSaid(play.said(), {GetParam().threeOfSpades});

    play.cursor().moveTo(boardPlaces::placeOfSideStack(1));
    QTest::keyClick(&area, Qt::Key_S);
    expectSaid(play.said(), {GetParam().sevenOfHearts, GetParam().eightOfClubs});
    QTest::keyClick(&area, Qt::Key_B);
    expectSaid(play.said(), {GetParam().sevenOfHearts});
    expectSaid(words::placeName(play.state, 2), {GetParam().sevenOfHearts});
}

TEST_P(LanguageTest, CountsTakeTheLanguagesPluralForms) {
    speakIt();
    std::vector<std::string_view> seventeen(17, "KH");
    const BoardState board = position(
        {{1, {"KH"}}, {2, {"KH", "QS"}}, {3, {"KH", "QS", "JH", "10S", "9H"}}, {4, seventeen}});
    for (int stack = 1; stack <= 4; ++stack) {
        const QString name = words::placeName(board, boardPlaces::placeOfSideStack(stack));
        EXPECT_TRUE(name.contains(QString::fromUtf8(GetParam().cards[stack - 1])))
            << name.toStdString();
    }
    for (const int count : {21, 22}) {
        const QString name = QCoreApplication::translate(
            "Board", "Side stack %1: %2 on top, %n card(s)", nullptr, count);
        EXPECT_TRUE(name.contains(QString::fromUtf8(GetParam().cards[count == 21 ? 4 : 5])))
            << name.toStdString();
    }
}

// Where each control of a window stands, by its name.
std::map<QString, QRect> layoutOf(const QWidget& window) {
    std::map<QString, QRect> layout;
    for (const QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        layout[control->objectName()] = control->geometry();
    }
    return layout;
}

std::set<std::pair<QString, QString>> overlaps(const std::map<QString, QRect>& layout) {
    std::set<std::pair<QString, QString>> pairs;
    for (const auto& [name, rect] : layout) {
        for (const auto& [other, otherRect] : layout) {
            if (name < other && rect.intersects(otherRect)) {
                pairs.emplace(name, other);
            }
        }
    }
    return pairs;
}

// Every text of the window shows whole: a label's within its rectangle, up to where another
// label below it begins; a button's within the room its style gives it.
void expectTextsWhole(const QWidget& window) {
    const QList<QLabel*> labels = window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (const QLabel* label : labels) {
        int room = label->height();
        for (const QLabel* below : labels) {
            if (below != label && below->y() > label->y() &&
                below->geometry().intersects(label->geometry())) {
                room = std::min(room, below->y() - label->y());
            }
        }
        const QRect needed = label->fontMetrics().boundingRect(
            QRect(0, 0, label->width(), 100000),
            static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.right(), label->width()) << label->text().toStdString();
        EXPECT_LE(needed.bottom(), room) << label->text().toStdString();
        EXPECT_TRUE(window.rect().contains(label->geometry().topLeft()));
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), contents.width())
            << button->text().toStdString();
        EXPECT_TRUE(window.rect().contains(button->geometry()));
    }
}

// As the program names it, from the Board's words.
MenuPath aboutDravonnePath() {
    MenuPath path;
    for (const words::Text item : words::kAboutDravonnePath) {
        path.emplace_back(words::text(item), words::english(item));
    }
    return path;
}

TEST_P(LanguageTest, EveryWindowShowsEveryTextWholeAndOverlapsOnlyAsInEnglish) {
    std::vector<std::map<QString, QRect>> english;
    for (int id = 0; id < kInfoWindowCount; ++id) {
        const std::unique_ptr<InfoWindow> window =
            makeInfoWindow(InfoWindowId(id), aboutDravonnePath());
        window->show();
        english.push_back(layoutOf(*window));
    }
    std::map<QString, QRect> englishBoard;
    {
        Board board;
        englishBoard = layoutOf(board.clicks.cardArea());
    }
    speakIt();
    for (int id = 0; id < kInfoWindowCount; ++id) {
        const std::unique_ptr<InfoWindow> window =
            makeInfoWindow(InfoWindowId(id), aboutDravonnePath());
        window->show();
        SCOPED_TRACE(window->windowTitle().toStdString());
        expectTextsWhole(*window);
        const auto before = overlaps(english[static_cast<std::size_t>(id)]);
        for (const auto& pair : overlaps(layoutOf(*window))) {
            EXPECT_TRUE(before.count(pair))
                << pair.first.toStdString() << " over " << pair.second.toStdString();
        }
    }
    Board board;
    const QRect firstCard = board.clicks.sideItem(1, 0).geometry();
    expectTextsWhole(board.clicks.cardArea());
    board.window.newButton().click();
    expectTextsWhole(board.clicks.cardArea());
    EXPECT_EQ(board.clicks.sideItem(1, 0).geometry().topLeft(), firstCard.topLeft());
    EXPECT_EQ(board.window.size(), QSize(1016, board.window.height()));
    for (const auto& pair : overlaps(layoutOf(board.clicks.cardArea()))) {
        EXPECT_TRUE(overlaps(englishBoard).count(pair)) << pair.first.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryTranslation, LanguageTest,
    testing::Values(
        Language{"de",
                 "Herz-Sieben",
                 "Kreuz-Acht",
                 "Herz-Zwei",
                 "Pik-Drei",
                 {"1 Karte", "2 Karten", "5 Karten", "17 Karten", "21 Karten", "22 Karten"}},
        Language{"fr",
                 "sept de cœur",
                 "huit de trèfle",
                 "deux de cœur",
                 "trois de pique",
                 {"1 carte", "2 cartes", "5 cartes", "17 cartes", "21 cartes", "22 cartes"}},
        Language{"es",
                 "siete de corazones",
                 "ocho de tréboles",
                 "dos de corazones",
                 "tres de picas",
                 {"1 carta", "2 cartas", "5 cartas", "17 cartas", "21 cartas", "22 cartas"}},
        Language{"it",
                 "sette di cuori",
                 "otto di fiori",
                 "due di cuori",
                 "tre di picche",
                 {"1 carta", "2 carte", "5 carte", "17 carte", "21 carte", "22 carte"}},
        Language{"nl",
                 "harten zeven",
                 "klaveren acht",
                 "harten twee",
                 "schoppen drie",
                 {"1 kaart", "2 kaarten", "5 kaarten", "17 kaarten", "21 kaarten", "22 kaarten"}},
        Language{"pt_BR",
                 "sete de copas",
                 "oito de paus",
                 "dois de copas",
                 "três de espadas",
                 {"1 carta", "2 cartas", "5 cartas", "17 cartas", "21 cartas", "22 cartas"}},
        Language{"pl",
                 "siódemka kier",
                 "ósemka trefl",
                 "dwójka kier",
                 "trójka pik",
                 {"1 karta", "2 karty", "5 kart", "17 kart", "21 kart", "22 karty"}},
        Language{"ru",
                 "семёрка червей",
                 "восьмёрка треф",
                 "двойка червей",
                 "тройка пик",
                 {"1 карта", "2 карты", "5 карт", "17 карт", "21 карта", "22 карты"}},
        Language{"zh_CN",
                 "红桃7",
                 "梅花8",
                 "红桃2",
                 "黑桃3",
                 {"共1张牌", "共2张牌", "共5张牌", "共17张牌", "共21张牌", "共22张牌"}},
        Language{"ja",
                 "ハートの7",
                 "クラブの8",
                 "ハートの2",
                 "スペードの3",
                 {"、1枚", "、2枚", "、5枚", "、17枚", "、21枚", "、22枚"}}),
    [](const testing::TestParamInfo<Language>& info) { return std::string(info.param.code); });

// A language written with Han characters, a text of it, and the font with that language's forms.
struct HanScript {
    const char* code;
    const char* text;
    const char* family;
};

void PrintTo(const HanScript& script, std::ostream* out) {
    *out << script.code;
}

class HanScriptTest : public testing::TestWithParam<HanScript> {};

TEST_P(HanScriptTest, HanCharactersComeFromTheFontOfTheLanguagesFormsAndLatinFromTheDesktops) {
    const QString desktop = QFontInfo(QApplication::font()).family();
    platform::Translations translations{QLocale(GetParam().code)};
    translations.install();
    QTextLayout layout(QString::fromUtf8(GetParam().text), QApplication::font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    std::set<QString> families;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        families.insert(run.rawFont().familyName());
    }
    EXPECT_EQ(families, (std::set<QString>{desktop, QString::fromUtf8(GetParam().family)}));
}

// Characters that only a Chinese font has (红, 这) beside ones a Japanese font has too (已, 关):
// one font for all of them.
INSTANTIATE_TEST_SUITE_P(
    HanScripts, HanScriptTest,
    testing::Values(HanScript{"zh_CN", "红桃7已放到梅花8上，这关", "WenQuanYi Micro Hei"},
                    HanScript{"ja", "ハートの7をクラブの8の上に移しました。関", "VL Gothic"}),
    [](const testing::TestParamInfo<HanScript>& info) { return std::string(info.param.code); });

}  // namespace
