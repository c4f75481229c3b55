#pragma once

#include <memory>
#include <vector>

#include "windows/info_window.h"

// The eight information windows beside the Board. The first five are what the Info menu
// shows; Win and GameOver are never shown (the game detects no end), and Timers shows only the
// caption of the sequence timer it once held.
enum class InfoWindowId {
    Rules,
    AboutKetterline,
    AboutDravonne,
    AboutAuthor,
    License,
    Win,
    GameOver,
    Timers
};

inline constexpr int kInfoWindowCount = 8;

// The captions of the menu items that lead to a command, from the menu bar on, as the menu
// shows them (access keys marked by '&') and in English.
using MenuPath = std::vector<ControlText>;

// Makes the window hidden, with its controls and behaviour, ready to be shown. The License
// window names the path to the About window of Dravonne Software.
std::unique_ptr<InfoWindow> makeInfoWindow(InfoWindowId id, const MenuPath& aboutDravonne);
