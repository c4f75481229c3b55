#include "board/board_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include "board/layout.h"
#include "board/words.h"
#include "platform/fixed_label.h"

BoardWindow::BoardWindow(BoardState& board, RandomSource& random, platform::PictureCache& pictures)
    : board_(board), random_(random) {
    setWindowTitle(words::text(words::Text::WindowTitle));
    // The program ends when this window closes, not when the last visible window does.
    setAttribute(Qt::WA_QuitOnClose, false);
    cardArea_ = new CardArea(board, pictures);
    setCentralWidget(cardArea_);
    addControls();
    addMenu();
    resize(boardLayout::kClientSize);
}

void BoardWindow::addControls() {
    connect(cardArea_, &CardArea::sideStackClicked, this, &BoardWindow::onSideStackClicked);
    connect(cardArea_, &CardArea::centerStackClicked, this, &BoardWindow::onCenterStackClicked);
    connect(cardArea_, &CardArea::backgroundClicked, this, &BoardWindow::onBackgroundClicked);

    // The button is a child widget of the card area and lies above every image.
    newButton_ = new QPushButton(words::text(words::Text::NewButton), cardArea_);
    newButton_->setGeometry(boardLayout::kNewButton);
    // The button fills its rectangle with the colour the canvas would paint beneath it, which
    // makes it opaque to Qt: its own repaints on press and release then leave the canvas
    // alone, and a click on it paints the canvas once, for the new deal.
    newButton_->setBackgroundRole(cardArea_->backgroundRole());
    newButton_->setAutoFillBackground(true);
    connect(newButton_, &QPushButton::clicked, this, [this] { newGame(); });
    // "New" has the focus at start; Tab and Shift+Tab go to the cards and back.
    newButton_->setFocus();
}

void BoardWindow::addMenu() {
    using words::Text;
    auto addItem = [this](QMenu* menu, const char* name, Text caption, auto command) {
        QAction* action = menu->addAction(words::text(caption));
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, command);
    };
    QMenu* file = menuBar()->addMenu(words::text(Text::FileMenu));
    file->setObjectName(QStringLiteral("fileMenu"));
    addItem(file, "newGame", Text::NewGameItem, [this] { newGame(Announcer::When::AfterMenu); });
    addItem(file, "exit", Text::ExitItem, &BoardWindow::exitRequested);

    QMenu* info = menuBar()->addMenu(words::text(Text::InfoMenu));
    info->setObjectName(QStringLiteral("infoMenu"));
    addItem(info, "rules", Text::RulesItem, &BoardWindow::rulesRequested);
    QMenu* about = info->addMenu(words::text(Text::AboutMenu));
    about->setObjectName(QStringLiteral("aboutMenu"));
    addItem(about, "aboutKetterline", Text::AboutKetterlineItem,
            &BoardWindow::aboutKetterlineRequested);
    addItem(about, "aboutDravonne", Text::AboutDravonneItem, &BoardWindow::aboutDravonneRequested);
    addItem(about, "aboutAuthor", Text::AboutAuthorItem, &BoardWindow::aboutAuthorRequested);
    addItem(info, "license", Text::LicenseItem, &BoardWindow::licenseRequested);

    // F10 opens the first menu, as desktops do for the keyboard; no menu item has a shortcut.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this, file] { menuBar()->setActiveAction(file->menuAction()); });
}

void BoardWindow::setVisible(bool visible) {
    if (visible && !sized_) {
        sized_ = true;
        QWidget* menu = menuWidget();
        menu->ensurePolished();
        const QSize client = boardLayout::kClientSize;
        const int menuHeight = menu->hasHeightForWidth() ? menu->heightForWidth(client.width())
                                                         : menu->sizeHint().height();
        resize(client.width(), client.height() + menuHeight);
        platform::fitTextsToRoom(cardArea_->findChildren<platform::FixedLabel*>(), client);
        // A longer translation of "New" or of the heading widens into the room beside it.
        platform::makeRoomForTranslations(*cardArea_, client);
    }
    QMainWindow::setVisible(visible);
}

void BoardWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit exitRequested();
}

void BoardWindow::newGame(Announcer::When when) {
    cardArea_->showDeal(dealNewGame(board_, random_), when);
}

void BoardWindow::onSideStackClicked(int stack, int item) {
    cardArea_->showClick(clickSideStack(board_, stack, item));
}

void BoardWindow::onCenterStackClicked(int suit) {
    cardArea_->showClick(clickCenterStack(board_, suit));
}

void BoardWindow::onBackgroundClicked() {
    cardArea_->showClick(clickBackground(board_));
}
