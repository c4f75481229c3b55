#include "board/board_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include "board/layout.h"
#include "platform/fixed_label.h"

BoardWindow::BoardWindow(BoardState& board, RandomSource& random, platform::PictureCache& pictures)
    : board_(board), random_(random) {
    setWindowTitle(QStringLiteral("Board"));
    // The program ends when this window closes, not when the last visible window does.
    setAttribute(Qt::WA_QuitOnClose, false);
    canvas_ = new BoardCanvas(board, pictures);
    setCentralWidget(canvas_);
    addControls();
    addMenu();
    resize(boardLayout::kClientSize);
}

void BoardWindow::addControls() {
    connect(canvas_, &BoardCanvas::sideStackClicked, this, &BoardWindow::onSideStackClicked);
    connect(canvas_, &BoardCanvas::centerStackClicked, this, &BoardWindow::onCenterStackClicked);
    connect(canvas_, &BoardCanvas::backgroundClicked, this, &BoardWindow::onBackgroundClicked);

    // The button is a child widget of the card area and lies above every image.
    newButton_ = new QPushButton(QStringLiteral("New"), canvas_);
    newButton_->setGeometry(boardLayout::kNewButton);
    // The button fills its rectangle with the colour the canvas would paint beneath it, which
    // makes it opaque to Qt: its own repaints on press and release then leave the canvas
    // alone, and a click on it paints the canvas once, for the new deal.
    newButton_->setBackgroundRole(canvas_->backgroundRole());
    newButton_->setAutoFillBackground(true);
    connect(newButton_, &QPushButton::clicked, this, &BoardWindow::newGame);
    // "New" has the focus at start; Tab and Shift+Tab go to the cards and back.
    newButton_->setFocus();
}

void BoardWindow::addMenu() {
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption, auto command) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, command);
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    addItem(file, "newGame", QStringLiteral("&New Game"), [this] {
        dealNewGame(board_, random_);
        canvas_->showDeal(BoardCanvas::Told::AfterMenu);
    });
    addItem(file, "exit", QStringLiteral("&Exit"), &BoardWindow::exitRequested);

    QMenu* info = menuBar()->addMenu(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("infoMenu"));
    addItem(info, "rules", QStringLiteral("&Rules"), &BoardWindow::rulesRequested);
    QMenu* about = info->addMenu(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("aboutMenu"));
    addItem(about, "aboutKetterline", QStringLiteral("&Ketterline"),
            &BoardWindow::aboutKetterlineRequested);
    addItem(about, "aboutDravonne", QStringLiteral("&Dravonne"),
            &BoardWindow::aboutDravonneRequested);
    addItem(about, "aboutAuthor", QStringLiteral("&Author"), &BoardWindow::aboutAuthorRequested);
    addItem(info, "license", QStringLiteral("&License"), &BoardWindow::licenseRequested);

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
        platform::fitTextsToRoom(canvas_->findChildren<platform::FixedLabel*>(), client);
    }
    QMainWindow::setVisible(visible);
}

void BoardWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit exitRequested();
}

void BoardWindow::newGame() {
    dealNewGame(board_, random_);
    canvas_->showDeal();
}

void BoardWindow::onSideStackClicked(int stack, int item) {
    canvas_->showClick(clickSideStack(board_, stack, item));
}

void BoardWindow::onCenterStackClicked(int suit) {
    canvas_->showClick(clickCenterStack(board_, suit));
}

void BoardWindow::onBackgroundClicked() {
    canvas_->showClick(clickBackground(board_));
}
