#pragma once

#include <memory>

#include "windows/info_window.h"

// The eight information windows beside the Board. The first five are what the Info menu
// shows; Win and GameOver are never shown (the game detects no end), and Timers only holds a
// timer that never runs.
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

// Makes the window hidden, with its controls and behaviour, ready to be shown.
std::unique_ptr<InfoWindow> makeInfoWindow(InfoWindowId id);
