#include "board/board_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include "board/board_canvas.h"
#include "board/layout.h"
#include "platform/fixed_label.h"
#include "resources/pictures.h"

BoardWindow::BoardWindow(BoardState& board, RandomSource& random, platform::PictureCache& pictures)
    : board_(board), random_(random), pictures_(pictures) {
    setWindowTitle(QStringLiteral("Board"));
    // The program ends when this window closes, not when the last visible window does.
    setAttribute(Qt::WA_QuitOnClose, false);
    hooks_.redraw = [this] { redraw(); };
    addImages();
    addMenu();
    resize(boardLayout::kClientSize);
}

void BoardWindow::addImages() {
    canvas_ = new BoardCanvas(*this);
    setCentralWidget(canvas_);
    canvas_->onBackgroundClick = [this] { onBackgroundClicked(); };

    auto addCenter = [this](int suit) {
        centerStacks_[static_cast<unsigned>(suit)] = &canvas_->addImage(
            boardLayout::centerStackItem(suit), [this, suit] { onCenterStackClicked(suit); });
    };
    auto addSide = [this](int stack, int item) {
        sideStacks_[static_cast<unsigned>(stack - 1)][static_cast<unsigned>(item)] =
            &canvas_->addImage(boardLayout::sideStackItem(stack, item),
                               [this, stack, item] { onSideStackClicked(stack, item); });
    };
    // Back to front, as the window was designed: where images overlap, the later one is
    // drawn over the earlier one and takes the click. Within a fan a higher item lies over a
    // lower one, so the top card is shown whole.
    addCenter(0);
    addSide(1, 0);
    for (int suit = 1; suit < kSuitCount; ++suit) {
        addCenter(suit);
    }
    for (int stack = 2; stack <= kSideStackCount; ++stack) {
        addSide(stack, 0);
    }
    for (int stack : {5, 6, 7, 8, 1, 2, 3, 4}) {
        for (int item = 1; item < kSlotsPerSideStack; ++item) {
            addSide(stack, item);
        }
    }
    selectedCard_ = &canvas_->addImage(boardLayout::kSelectedCardBox);

    // The heading and the button are child widgets and lie above every image.
    new platform::FixedLabel(QStringLiteral("Selected Card"), boardLayout::kSelectedCardHeading,
                             canvas_);
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
    addItem(file, "newGame", QStringLiteral("&New Game"), &BoardWindow::newGame);
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

platform::ImageCanvas& BoardWindow::canvas() {
    return *canvas_;
}

void BoardWindow::newGame() {
    dealNewGame(board_, random_);
    redraw();
    canvas_->boardChanged(true);
}

void BoardWindow::onSideStackClicked(int stack, int item) {
    clickSideStack(board_, stack, item, hooks_);
    canvas_->boardChanged(false);
}

void BoardWindow::onCenterStackClicked(int suit) {
    clickCenterStack(board_, suit, hooks_);
    canvas_->boardChanged(false);
}

void BoardWindow::onBackgroundClicked() {
    clickBackground(board_, hooks_);
    canvas_->boardChanged(false);
}

void BoardWindow::showCard(Card card, platform::Image& image) {
    if (!card.isCard()) {
        image.setVisible(false);
        return;
    }
    image.setVisible(true);
    image.setPicture(pictures_.load(resources::cardPicture(cardNumber(card))));
}

void BoardWindow::redraw() {
    showCard(board_.selectedCard, *selectedCard_);
    for (int suit = 0; suit < kSuitCount; ++suit) {
        showCard(board_.centerStacks[static_cast<unsigned>(suit)], centerStack(suit));
    }
    for (int slot = 0; slot < kSlotsPerSideStack; ++slot) {
        for (int stack = 1; stack <= kSideStackCount; ++stack) {
            showCard(board_.sideStack(stack)[static_cast<unsigned>(slot)], sideStack(stack, slot));
        }
    }
    // Item 0 is hidden now exactly when the stack is empty.
    for (int stack = 1; stack <= kSideStackCount; ++stack) {
        platform::Image& bottom = sideStack(stack, 0);
        if (!bottom.visible()) {
            bottom.setVisible(true);
            bottom.setPicture(pictures_.load(resources::kEmptyStackPicture));
        }
    }
}
