#include "windows/info_windows.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <cstddef>
#include <utility>

#include "platform/twips.h"
#include "resources/pictures.h"

namespace {

// The translations' context of the information windows' texts.
class InfoWindows {
    Q_DECLARE_TR_FUNCTIONS(InfoWindows)
};

using Kind = ControlDesign::Kind;
using platform::twipsRect;
using platform::twipsSize;

// The texts several controls show. Names, addresses and numbers, here and in the table below,
// are the same in every language and have no translation. The addresses are kept short on purpose:
// each stands after a run of spaces in a one-line text, and a longer one would wrap below the
// text's edge and vanish.
const char* const kOK = QT_TRANSLATE_NOOP("InfoWindows", "OK");
const char* const kOk = QT_TRANSLATE_NOOP("InfoWindows", "Ok");
const char* const kWebAddress = "www.dravonne.example";
// The argument that stands for the menu path to the About window of Dravonne Software, which
// the window is made with.
constexpr char kAboutDravonnePath[] = "";

constexpr Qt::WindowFlags kClose = Qt::WindowCloseButtonHint;
constexpr Qt::WindowFlags kMinimiseClose = kClose | Qt::WindowMinimizeButtonHint;
constexpr Qt::WindowFlags kMinimiseMaximiseClose = kMinimiseClose | Qt::WindowMaximizeButtonHint;

// The maker's logo, where both About windows that show it have it.
constexpr ControlDesign kMakerLogo{Kind::Picture,
                                   "makerLogo",
                                   QT_TRANSLATE_NOOP("InfoWindows", "Dravonne Software logo"),
                                   twipsRect(240, 240, 720, 720),
                                   nullptr,
                                   resources::makerLogoPath};

// Indexed by InfoWindowId. In About Ketterline the product icon and the maker's logo share one
// place: exactly one of them shows. Timers held a sequence timer that was never started; only
// its caption is left to show.
const WindowDesign kDesigns[kInfoWindowCount] = {
    {{QT_TRANSLATE_NOOP("InfoWindows", "Rules"), twipsSize(6420, 3315), false,
      kMinimiseMaximiseClose},
     {{Kind::OkButton, "ok", kOK, twipsRect(2760, 2760, 855, 375)},
      {Kind::CenteredText, "heading", QT_TRANSLATE_NOOP("InfoWindows", "Rules"),
       twipsRect(2880, 120, 855, 255)},
      {Kind::Text, "goal",
       QT_TRANSLATE_NOOP(
           "InfoWindows",
           "The goal of the game is to stack all cards of the same suit in increasing "
           "order on the four spots in the middle of the board. In order to move a card, "
           "you must first select it by clicking on it (it will then appear as the "
           "selected card) and then click on card to which you wish to move it. You can "
           "only move a card if it is one of the 8 top cards on the side stacks."),
       twipsRect(120, 480, 6135, 975)},
      {Kind::Text, "moves",
       QT_TRANSLATE_NOOP(
           "InfoWindows",
           "A card can be only in two ways. First it can be moved onto one of the four "
           "center stacks if its value is one greater than the card currently on the "
           "satck and it is of the same suit.Second, it can be moved onto one of the "
           "eight side stacks if the card being moved has value one less than the value "
           "of the top card on the stack, or if the stack is empty."),
       twipsRect(120, 1560, 6135, 1095)}}},
    {{QT_TRANSLATE_NOOP("InfoWindows", "About Ketterline"), twipsSize(5820, 1995), false,
      kMinimiseClose},
     {{Kind::Picture, "productIcon", QT_TRANSLATE_NOOP("InfoWindows", "Ketterline icon"),
       twipsRect(360, 360, 480, 480), nullptr, resources::programEmblemPath},
      {Kind::OkButton, "ok", kOk, twipsRect(4440, 120, 1215, 375)},
      kMakerLogo,
      {Kind::Text, "comments",
       //: %1 is an e-mail address.
       QT_TRANSLATE_NOOP("InfoWindows",
                         "If you have any comments or thoughts on this program, "
                         "please send them to %1"),
       twipsRect(1200, 1080, 3135, 615), "comments@dravonne.example"},
      {Kind::Text, "rightsNotice", "\u00a9 1997 Dravonne Software",
       twipsRect(1200, 480, 3135, 255)},
      {Kind::Text, "author", QT_TRANSLATE_NOOP("InfoWindows", "by %1"),
       twipsRect(1200, 720, 3135, 255), QT_TRANSLATE_NOOP("InfoWindows", "the Ketterline authors")},
      {Kind::Text, "programName", QT_TRANSLATE_NOOP("InfoWindows", "Ketterline version %1"),
       twipsRect(1200, 240, 3135, 255), "1.0"}}},
    {{QT_TRANSLATE_NOOP("InfoWindows", "About Dravonne Software"), twipsSize(6300, 2235), false,
      kMinimiseClose},
     {{Kind::OkButton, "ok", kOk, twipsRect(4440, 120, 1215, 375)},
      kMakerLogo,
      {Kind::Text, "homePageRequest", "      %1", twipsRect(1080, 1920, 2535, 1455),
       "url@dravonne.example"},
      {Kind::Text, "homePageOffer",
       QT_TRANSLATE_NOOP("InfoWindows",
                         " Or, we will send you the current URL of Dravonne Software's home "
                         "pae if you send an e-mail to:"),
       twipsRect(1080, 1200, 3255, 735)},
      {Kind::Text, "webSiteIntro",
       QT_TRANSLATE_NOOP("InfoWindows",
                         "To find out more about Dravonne Software and about other programs "
                         "made by Dravonne Software you can visit our web site. Our website "
                         "can be reached from the web site: "),
       twipsRect(1080, 120, 3135, 975)},
      {Kind::Text, "webAddress", "      %1", twipsRect(1080, 960, 3135, 255), kWebAddress}}},
    {{QT_TRANSLATE_NOOP("InfoWindows", "About Author"), twipsSize(4695, 1155), false,
      kMinimiseClose},
     {{Kind::OkButton, "ok", kOk, twipsRect(3360, 120, 1215, 375)},
      {Kind::Text, "webAddress", "     %1", twipsRect(120, 720, 3135, 255), kWebAddress},
      {Kind::Text, "intro",
       QT_TRANSLATE_NOOP("InfoWindows",
                         "To find out about the author, you can visit the web site:"),
       twipsRect(120, 240, 3135, 495)}}},
    {{QT_TRANSLATE_NOOP("InfoWindows", "License"), twipsSize(4695, 1215), false, kMinimiseClose},
     {{Kind::OkButton, "ok", kOk, twipsRect(3360, 120, 1215, 375)},
      {Kind::Text, "note",
       //: %1 is the menu path to the About window of Dravonne Software.
       QT_TRANSLATE_NOOP("InfoWindows",
                         "The current License Agreement, and Registration Information "
                         "are available  from the Dravonne Software Home Page (see %1)"),
       twipsRect(120, 240, 3135, 975), kAboutDravonnePath}}},
    {{QT_TRANSLATE_NOOP("InfoWindows", "You Win"), twipsSize(2550, 1125), true, kClose},
     {{Kind::OkButton, "ok", kOK, twipsRect(840, 600, 855, 375)},
      {Kind::Text, "message", QT_TRANSLATE_NOOP("InfoWindows", "Congratulations You Win!!"),
       twipsRect(240, 240, 2175, 375)}}},
    {{QT_TRANSLATE_NOOP("InfoWindows", "Game Over"), twipsSize(1560, 1095), true, kClose},
     {{Kind::OkButton, "ok", kOK, twipsRect(360, 480, 855, 375)},
      {Kind::Text, "message", QT_TRANSLATE_NOOP("InfoWindows", "Sorry, Game Over"),
       twipsRect(120, 120, 2175, 255)}}},
    {{QT_TRANSLATE_NOOP("InfoWindows", "Timers"), twipsSize(4680, 3195), false,
      kMinimiseMaximiseClose},
     {{Kind::Text, "timerCaption", QT_TRANSLATE_NOOP("InfoWindows", "Sequence Timer"),
       twipsRect(120, 720, 1335, 255)}}},
};

// A text in the program's language and in English; one without a translation (a name or an
// address) is the same in both.
ControlText translated(const char* source) {
    return {InfoWindows::tr(source), QString::fromUtf8(source)};
}

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

// Each click on the icon that shows swaps it for the other; a hidden box takes no clicks. A
// new window starts with the product icon.
void swapIconsOnClick(InfoWindow& window) {
    auto* product = window.findChild<PictureBox*>(QStringLiteral("productIcon"));
    auto* logo = window.findChild<PictureBox*>(QStringLiteral("makerLogo"));
    logo->hide();
    for (const auto& [clicked, other] : {std::pair{product, logo}, std::pair{logo, product}}) {
        QObject::connect(clicked, &PictureBox::clicked, &window, [clicked, other] {
            clicked->hide();
            other->show();
        });
    }
}

}  // namespace

std::unique_ptr<InfoWindow> makeInfoWindow(InfoWindowId id, const MenuPath& aboutDravonne) {
    const auto texts = [&aboutDravonne](const char* source, const char* argument) {
        const ControlText text = translated(source);
        if (!argument) {
            return text;
        }
        return text.arg(argument == kAboutDravonnePath ? joined(aboutDravonne)
                                                       : translated(argument));
    };
    auto window = std::make_unique<InfoWindow>(kDesigns[static_cast<std::size_t>(id)], texts);
    if (id == InfoWindowId::AboutKetterline) {
        swapIconsOnClick(*window);
    }
    return window;
}
