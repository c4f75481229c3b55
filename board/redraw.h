#pragma once

#include <array>

#include "game/modboard.h"
#include "platform/imagecanvas.h"
#include "platform/picture.h"

// The card images of the Board window, by what they show.
struct BoardImages {
    platform::Image* MovedCard1 = nullptr;        // the selected card
    platform::ImageArray* Stack1 = nullptr;       // item k: center stack k
    std::array<platform::ImageArray*, 8> Card{};  // Card[N - 1]: side stack N, item k slot k

    platform::ImageArray& sideStack(int n) const { return *Card[static_cast<std::size_t>(n - 1)]; }
};

// Shows a valid card in the image (made visible first, then given the card's picture) or
// hides the image for anything else, leaving its picture as it was.
void ShowCard(Card card, platform::Image& image, platform::PictureCache& pictures);

// Makes every card image show the board: the selection, the center stacks and every slot
// of every side stack, then the empty-stack picture in item 0 of each empty side stack so
// that it can still be clicked. The only code that changes the card images after start-up.
void RefreshBoard(const BoardState& board, const BoardImages& images,
                  platform::PictureCache& pictures);
