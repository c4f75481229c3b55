#include "windows/info_windows.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include "resources/pictures.h"

namespace {

// The translations' context of the information windows' texts.
class InfoWindows {
    Q_DECLARE_TR_FUNCTIONS(InfoWindows)
};

// A control's text in the program's language and in English.
ControlText text(const char* source) {
    return {InfoWindows::tr(source), QString::fromUtf8(source)};
}

using Kind = ControlDesign::Kind;

// What the About windows tell about the program's maker and author. The addresses are kept
// short on purpose: each stands after a run of spaces in a one-line text, and a longer one
// would wrap below the text's edge and vanish.
const char* const kAuthor = QT_TRANSLATE_NOOP("InfoWindows", "the Ketterline authors");
const QString kRightsNotice = QStringLiteral("\u00a9 1997 Dravonne Software");
const QString kWebAddress = QStringLiteral("www.dravonne.example");
const QString kCommentsAddress = QStringLiteral("comments@dravonne.example");
const QString kHomePageRequestAddress = QStringLiteral("url@dravonne.example");

constexpr Qt::WindowFlags kMinimiseClose = Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
constexpr Qt::WindowFlags kMinimiseMaximiseClose = kMinimiseClose | Qt::WindowMaximizeButtonHint;

// The menu items joined, without their access keys.
ControlText joined(const MenuPath& path) {
    QStringList items;
    QStringList english;
    for (const ControlText& item : path) {
        // "&Info" and, where the access key is not a letter of the word, "信息(&I)": the
        // word alone.
        items << QString(item.shown)
                     .remove(QRegularExpression(QStringLiteral("\\(&.\\)$")))
                     .remove(u'&');
        english << QString(item.english).remove(u'&');
    }
    //: Between the menu items of a menu path, as in "Info->About->Dravonne".
    return {items.join(InfoWindows::tr("->")), english.join(QStringLiteral("->"))};
}

// The maker's logo, where both About windows that show it have it.
ControlDesign makerLogo() {
    return {Kind::Picture,
            "makerLogo",
            resources::makerLogoPath(),
            {240, 240, 720, 720},
            resources::makerLogoPath2x(),
            InfoWindows::tr("Dravonne Software logo")};
}

WindowDesign rules() {
    return {InfoWindows::tr("Rules"),
            {6420, 3315},
            false,
            kMinimiseMaximiseClose,
            {{Kind::OkButton,
              "ok",
              text(QT_TRANSLATE_NOOP("InfoWindows", "OK")),
              {2760, 2760, 855, 375}},
             {Kind::CenteredText,
              "heading",
              text(QT_TRANSLATE_NOOP("InfoWindows", "Rules")),
              {2880, 120, 855, 255}},
             {Kind::Text,
              "goal",
              text(QT_TRANSLATE_NOOP(
                  "InfoWindows",
                  "The goal of the game is to stack all cards of the same suit in increasing "
                  "order on the four spots in the middle of the board. In order to move a card, "
                  "you must first select it by clicking on it (it will then appear as the "
                  "selected card) and then click on card to which you wish to move it. You can "
                  "only move a card if it is one of the 8 top cards on the side stacks.")),
              {120, 480, 6135, 975}},
             {Kind::Text,
              "moves",
              text(QT_TRANSLATE_NOOP(
                  "InfoWindows",
                  "A card can be only in two ways. First it can be moved onto one of the four "
                  "center stacks if its value is one greater than the card currently on the "
                  "satck and it is of the same suit.Second, it can be moved onto one of the "
                  "eight side stacks if the card being moved has value one less than the value "
                  "of the top card on the stack, or if the stack is empty.")),
              {120, 1560, 6135, 1095}}}};
}

// The product icon and the maker's logo share one place: exactly one of them shows.
WindowDesign aboutKetterline() {
    return {InfoWindows::tr("About Ketterline"),
            {5820, 1995},
            false,
            kMinimiseClose,
            {{Kind::Picture,
              "productIcon",
              resources::programEmblemPath(),
              {360, 360, 480, 480},
              resources::programEmblemPath2x(),
              InfoWindows::tr("Ketterline icon")},
             {Kind::OkButton,
              "ok",
              text(QT_TRANSLATE_NOOP("InfoWindows", "Ok")),
              {4440, 120, 1215, 375}},
             makerLogo(),
             {Kind::Text,
              "comments",
              //: %1 is an e-mail address.
              text(QT_TRANSLATE_NOOP("InfoWindows",
                                     "If you have any comments or thoughts on this program, "
                                     "please send them to %1"))
                  .arg(kCommentsAddress),
              {1200, 1080, 3135, 615}},
             {Kind::Text, "rightsNotice", kRightsNotice, {1200, 480, 3135, 255}},
             {Kind::Text,
              "author",
              text(QT_TRANSLATE_NOOP("InfoWindows", "by %1")).arg(text(kAuthor)),
              {1200, 720, 3135, 255}},
             {Kind::Text,
              "programName",
              text(QT_TRANSLATE_NOOP("InfoWindows", "Ketterline version %1"))
                  .arg(QStringLiteral("1.0")),
              {1200, 240, 3135, 255}}}};
}

WindowDesign aboutDravonne() {
    return {InfoWindows::tr("About Dravonne Software"),
            {6300, 2235},
            false,
            kMinimiseClose,
            {{Kind::OkButton,
              "ok",
              text(QT_TRANSLATE_NOOP("InfoWindows", "Ok")),
              {4440, 120, 1215, 375}},
             makerLogo(),
             {Kind::Text,
              "homePageRequest",
              QStringLiteral("      ") + kHomePageRequestAddress,
              {1080, 1920, 2535, 1455}},
             {Kind::Text,
              "homePageOffer",
              text(QT_TRANSLATE_NOOP(
                  "InfoWindows",
                  " Or, we will send you the current URL of Dravonne Software's home "
                  "pae if you send an e-mail to:")),
              {1080, 1200, 3255, 735}},
             {Kind::Text,
              "webSiteIntro",
              text(QT_TRANSLATE_NOOP(
                  "InfoWindows",
                  "To find out more about Dravonne Software and about other programs "
                  "made by Dravonne Software you can visit our web site. Our website "
                  "can be reached from the web site: ")),
              {1080, 120, 3135, 975}},
             {Kind::Text,
              "webAddress",
              QStringLiteral("      ") + kWebAddress,
              {1080, 960, 3135, 255}}}};
}

WindowDesign aboutAuthor() {
    return {
        InfoWindows::tr("About Author"),
        {4695, 1155},
        false,
        kMinimiseClose,
        {{Kind::OkButton,
          "ok",
          text(QT_TRANSLATE_NOOP("InfoWindows", "Ok")),
          {3360, 120, 1215, 375}},
         {Kind::Text, "webAddress", QStringLiteral("     ") + kWebAddress, {120, 720, 3135, 255}},
         {Kind::Text,
          "intro",
          text(QT_TRANSLATE_NOOP("InfoWindows",
                                 "To find out about the author, you can visit the web site:")),
          {120, 240, 3135, 495}}}};
}

WindowDesign license(const MenuPath& aboutDravonne) {
    return {InfoWindows::tr("License"),
            {4695, 1215},
            false,
            kMinimiseClose,
            {{Kind::OkButton,
              "ok",
              text(QT_TRANSLATE_NOOP("InfoWindows", "Ok")),
              {3360, 120, 1215, 375}},
             {Kind::Text,
              "note",
              //: %1 is the menu path to the About window of Dravonne Software.
              text(QT_TRANSLATE_NOOP("InfoWindows",
                                     "The current License Agreement, and Registration Information "
                                     "are available  from the Dravonne Software Home Page (see "
                                     "%1)"))
                  .arg(joined(aboutDravonne)),
              {120, 240, 3135, 975}}}};
}

WindowDesign win() {
    return {
        InfoWindows::tr("You Win"),
        {2550, 1125},
        true,
        Qt::WindowCloseButtonHint,
        {{Kind::OkButton, "ok", text(QT_TRANSLATE_NOOP("InfoWindows", "OK")), {840, 600, 855, 375}},
         {Kind::Text,
          "message",
          text(QT_TRANSLATE_NOOP("InfoWindows", "Congratulations You Win!!")),
          {240, 240, 2175, 375}}}};
}

WindowDesign gameOver() {
    return {
        InfoWindows::tr("Game Over"),
        {1560, 1095},
        true,
        Qt::WindowCloseButtonHint,
        {{Kind::OkButton, "ok", text(QT_TRANSLATE_NOOP("InfoWindows", "OK")), {360, 480, 855, 375}},
         {Kind::Text,
          "message",
          text(QT_TRANSLATE_NOOP("InfoWindows", "Sorry, Game Over")),
          {120, 120, 2175, 255}}}};
}

// It held a sequence timer that was never started; only its caption is left to show.
WindowDesign timers() {
    return {InfoWindows::tr("Timers"),
            {4680, 3195},
            false,
            kMinimiseMaximiseClose,
            {{Kind::Text,
              "timerCaption",
              text(QT_TRANSLATE_NOOP("InfoWindows", "Sequence Timer")),
              {120, 720, 1335, 255}}}};
}

WindowDesign designOf(InfoWindowId id, const MenuPath& toAboutDravonne) {
    switch (id) {
        case InfoWindowId::Rules:
            return rules();
        case InfoWindowId::AboutKetterline:
            return aboutKetterline();
        case InfoWindowId::AboutDravonne:
            return aboutDravonne();
        case InfoWindowId::AboutAuthor:
            return aboutAuthor();
        case InfoWindowId::License:
            return license(toAboutDravonne);
        case InfoWindowId::Win:
            return win();
        case InfoWindowId::GameOver:
            return gameOver();
        case InfoWindowId::Timers:
            return timers();
    }
    return timers();
}

// Each click on the icon that shows swaps it for the other; a hidden box takes no clicks. A
// new window starts with the product icon.
void swapIconsOnClick(InfoWindow& window) {
    auto* product = window.control<PictureBox>("productIcon");
    auto* logo = window.control<PictureBox>("makerLogo");
    logo->hide();
    QObject::connect(product, &PictureBox::clicked, &window, [product, logo] {
        product->hide();
        logo->show();
    });
    QObject::connect(logo, &PictureBox::clicked, &window, [product, logo] {
        logo->hide();
        product->show();
    });
}

}  // namespace

std::unique_ptr<InfoWindow> makeInfoWindow(InfoWindowId id, const MenuPath& aboutDravonne) {
    auto window = std::make_unique<InfoWindow>(designOf(id, aboutDravonne));
    if (id == InfoWindowId::AboutKetterline) {
        swapIconsOnClick(*window);
    }
    return window;
}
