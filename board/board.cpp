#include "board/board.h"

#include <QAction>
#include <QMenuBar>

#include "board/layout.h"
#include "platform/imagecanvas.h"

using platform::TitleButton;

Board::Board(platform::Forms& forms, BoardState& board, RandomSource& random,
             platform::PictureCache& pictures)
    : platform::Form(kName,
                     platform::twipsSize(boardLayout::kClientWidth, boardLayout::kClientHeight),
                     platform::FormFrame::Resizable,
                     TitleButton::Minimize | TitleButton::Maximize | TitleButton::Close),
      forms_(forms),
      board_(board),
      random_(random),
      pictures_(pictures) {
    setWindowTitle(QStringLiteral("Board"));
    // The model reports back through these two hooks only.
    hooks_.RefreshBoard = [this] { RefreshBoard(); };
    buildControls();
    buildMenu();
}

void Board::buildControls() {
    auto canvas = std::make_unique<platform::ImageCanvas>();
    canvas_ = canvas.get();
    setCentralWidget(canvas.release());  // the window owns it from here on

    // Which image lies over which is set below, by the drawing order the window was
    // designed with, not by the order of creation.
    images_.MovedCard1 =
        &canvas_->addImage(QStringLiteral("MovedCard1"), boardLayout::kSelectedCardBox);
    images_.Stack1 =
        &canvas_->addArray(QStringLiteral("Stack1"), kCenterStackCount,
                           [](std::int16_t k) { return boardLayout::centerStackItem(k); });
    for (int n = 1; n <= kSideStackCount; ++n) {
        images_.Card[static_cast<std::size_t>(n - 1)] =
            &canvas_->addArray(QStringLiteral("Card%1").arg(n), kSlotsPerSideStack,
                               [n](std::int16_t i) { return boardLayout::sideStackItem(n, i); });
    }

    std::vector<platform::Image*> order;
    auto item = [this](int n, int i) {
        return &images_.sideStack(n).item(static_cast<std::int16_t>(i));
    };
    order.push_back(&images_.Stack1->item(0));
    order.push_back(item(1, 0));
    for (std::int16_t k = 1; k < kCenterStackCount; ++k) {
        order.push_back(&images_.Stack1->item(k));
    }
    for (int n = 2; n <= kSideStackCount; ++n) {
        order.push_back(item(n, 0));
    }
    for (int n : {5, 6, 7, 8, 1, 2, 3, 4}) {
        for (int i = 1; i < kSlotsPerSideStack; ++i) {
            order.push_back(item(n, i));
        }
    }
    order.push_back(images_.MovedCard1);
    canvas_->setDrawingOrder(order);

    // The label and the button are real child controls and lie above every image.
    lblMovedCard_ = new platform::Label(canvas_, QStringLiteral("Selected Card"),
                                        boardLayout::kSelectedCardLabel);
    lblMovedCard_->setObjectName(QStringLiteral("lblMovedCard"));
    btnTest_ = platform::makeButton(canvas_, QStringLiteral("New"), boardLayout::kNewButton);
    btnTest_->setObjectName(QStringLiteral("btnTest"));

    for (int n = 1; n <= kSideStackCount; ++n) {
        images_.sideStack(n).Click = [this, n](std::int16_t Index) {
            CardN_Click(static_cast<std::int16_t>(n), Index);
        };
    }
    images_.Stack1->Click = [this](std::int16_t Index) { Stack1_Click(Index); };
    canvas_->BackgroundClick = [this] { Form_Click(); };
    btnTest_->Click = [this] { btnTest_Click(); };
}

void Board::buildMenu() {
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption,
                          void (Board::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->menuAction()->setObjectName(QStringLiteral("File"));
    addItem(file, "F_NewGame", QStringLiteral("&New Game"), &Board::F_NewGame_Click);
    addItem(file, "F_Exit", QStringLiteral("&Exit"), &Board::F_Exit_Click);

    QMenu* info = menuBar()->addMenu(QStringLiteral("&Info"));
    info->menuAction()->setObjectName(QStringLiteral("Info"));
    addItem(info, "I_Rules", QStringLiteral("&Rules"), &Board::I_Rules_Click);
    QMenu* about = info->addMenu(QStringLiteral("&About"));
    about->menuAction()->setObjectName(QStringLiteral("I_About"));
    addItem(about, "I_A_Ketterline", QStringLiteral("&Ketterline"), &Board::I_A_Ketterline_Click);
    addItem(about, "I_A_Dravonne", QStringLiteral("&Dravonne"), &Board::I_A_Dravonne_Click);
    addItem(about, "I_A_Author", QStringLiteral("&Author"), &Board::I_A_Author_Click);
    addItem(info, "I_License", QStringLiteral("&License"), &Board::I_License_Click);
}

QAction* Board::menuItem(const QString& name) const {
    for (QAction* action : menuBar()->findChildren<QAction*>()) {
        if (action->objectName() == name) {
            return action;
        }
    }
    return nullptr;
}

// Creates the information windows hidden, in this order, and shows the Board between them.
// Nothing is dealt or drawn: the board keeps its start state until "New".
void Board::Form_Load() {
    forms_.load(QStringLiteral("AboutKetterline"));
    forms_.load(QStringLiteral("AboutAuthor"));
    forms_.load(QStringLiteral("AboutDravonne"));
    forms_.load(QStringLiteral("License"));
    forms_.load(QStringLiteral("Rules"));
    forms_.show(kName);
    forms_.load(QStringLiteral("Timers"));
    forms_.load(QStringLiteral("GameOver"));
    forms_.load(QStringLiteral("Win"));
}

void Board::Form_Unload() {
    forms_.endProgram();
}
void Board::Form_Terminate() {
    forms_.endProgram();
}

void Board::CardN_Click(std::int16_t stack, std::int16_t Index) {
    SideStackClick(board_, stack, Index, hooks_);
}
void Board::Stack1_Click(std::int16_t Index) {
    CenterStackClick(board_, Index, hooks_);
}
void Board::Form_Click() {
    BackgroundClick(board_, hooks_);
}

void Board::btnTest_Click() {
    NewGame();
}
void Board::F_NewGame_Click() {
    NewGame();
}
void Board::F_Exit_Click() {
    forms_.endProgram();
}

void Board::I_Rules_Click() {
    forms_.show(QStringLiteral("Rules"));
}
void Board::I_A_Ketterline_Click() {
    forms_.show(QStringLiteral("AboutKetterline"));
}
void Board::I_A_Dravonne_Click() {
    forms_.show(QStringLiteral("AboutDravonne"));
}
void Board::I_A_Author_Click() {
    forms_.show(QStringLiteral("AboutAuthor"));
}
void Board::I_License_Click() {
    forms_.show(QStringLiteral("License"));
}

void Board::NewGame() {
    modBoard::DealNewGame(board_, random_);
    RefreshBoard();
}

void Board::RefreshBoard() {
    ::RefreshBoard(board_, images_, pictures_);
}
