#pragma once

#include <QAccessible>
#include <QString>

class BoardCanvas;

// How the card area shows itself to assistive technology. After its child widgets (the "New"
// button and the "Selected Card" heading) it has thirteen windowless children: the
// selected-card box, then the places 0..11 of board/places.h. Each has a name that says what
// it shows and its screen rectangle; each place can be pressed (exactly Space on it) and
// focused, and hit-testing finds the place under a point.
namespace boardAccessibility {

// Stands for the selected-card box where a place number is expected.
inline constexpr int kSelectedCardBox = -1;

// Makes Qt ask this unit for the card area's interface.
void install();

// Tells assistive technology that something of a place (or the selected-card box) changed.
void notify(BoardCanvas& canvas, int place, QAccessible::Event event);
// Has the message read out where the running Qt can say so directly; before Qt 6.8 the
// place's description, changed just before, is what screen readers read.
void announce(BoardCanvas& canvas, int place, const QString& message);

}  // namespace boardAccessibility
