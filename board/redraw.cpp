#include "board/redraw.h"

#include "game/modcards.h"

namespace {
constexpr int kEmptyStackPicture = 100;
constexpr int kFirstPictureId = 100;  // + card number
}  // namespace

void ShowCard(Card card, platform::Image& image, platform::PictureCache& pictures) {
    const std::int16_t number = modCards::CardToNumber(card);
    if (number <= -1) {
        image.setVisible(false);
        return;
    }
    image.setVisible(true);
    image.setPicture(pictures.load(kFirstPictureId + number));
}

void RefreshBoard(const BoardState& board, const BoardImages& images,
                  platform::PictureCache& pictures) {
    ShowCard(board.SelectedCard, *images.MovedCard1, pictures);
    for (std::int16_t i = 0; i < kCenterStackCount; ++i) {
        ShowCard(board.CenterStack[static_cast<std::size_t>(i)], images.Stack1->item(i), pictures);
    }
    for (std::int16_t slot = 0; slot < kSlotsPerSideStack; ++slot) {
        for (int n = 1; n <= kSideStackCount; ++n) {
            ShowCard(board.sideStack(n)[static_cast<std::size_t>(slot)],
                     images.sideStack(n).item(slot), pictures);
        }
    }
    // Item 0 is hidden now exactly when the stack is empty.
    for (int n = 1; n <= kSideStackCount; ++n) {
        platform::Image& bottom = images.sideStack(n).item(0);
        if (!bottom.visible()) {
            bottom.setVisible(true);
            bottom.setPicture(pictures.load(kEmptyStackPicture));
        }
    }
}
