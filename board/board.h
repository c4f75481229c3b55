#pragma once

#include <QString>

#include "board/redraw.h"
#include "game/modboard.h"
#include "game/moves.h"
#include "platform/controls.h"
#include "platform/form.h"

class QAction;
class RandomSource;

// The main window, where the game is played: the "New" button, the menu, the selected-card
// box, the four center stacks and eight fans of eighteen card images. Its handlers forward
// to the game model and redraw; the window only shows what the board holds.
class Board final : public platform::Form {
    Q_OBJECT

public:
    static inline const QString kName = QStringLiteral("Board");

    // The board, the random source and the pictures belong to the caller and outlive the
    // window.
    Board(platform::Forms& forms, BoardState& board, RandomSource& random,
          platform::PictureCache& pictures);

    void Form_Load() override;
    void Form_Unload() override;
    void Form_Terminate() override;

    platform::ImageCanvas& canvas() { return *canvas_; }
    const BoardImages& images() const { return images_; }
    platform::Button& btnTest() { return *btnTest_; }
    platform::Label& lblMovedCard() { return *lblMovedCard_; }
    // A menu item or menu by its name (File, F_NewGame, F_Exit, Info, I_Rules, I_About,
    // I_A_Ketterline, I_A_Dravonne, I_A_Author, I_License).
    QAction* menuItem(const QString& name) const;

private:
    void buildControls();
    void buildMenu();

    // Card1_Click .. Card8_Click: one handler for all eight side stacks.
    void CardN_Click(std::int16_t stack, std::int16_t Index);
    void Stack1_Click(std::int16_t Index);
    void Form_Click();
    void btnTest_Click();
    void F_NewGame_Click();
    void F_Exit_Click();
    void I_Rules_Click();
    void I_A_Ketterline_Click();
    void I_A_Dravonne_Click();
    void I_A_Author_Click();
    void I_License_Click();

    void NewGame();
    void RefreshBoard();

    platform::Forms& forms_;
    BoardState& board_;
    RandomSource& random_;
    platform::PictureCache& pictures_;
    BoardHooks hooks_;

    platform::ImageCanvas* canvas_ = nullptr;
    platform::Button* btnTest_ = nullptr;  // owned by the canvas, as is the label
    platform::Label* lblMovedCard_ = nullptr;
    BoardImages images_;
};
