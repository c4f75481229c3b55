#pragma once

#include <QAccessible>
#include <QString>

class BoardCanvas;

// How the card area shows itself to assistive technology. After its child widgets (the "New"
// button and the "Selected Card" heading) it has thirteen windowless children, numbered here
// as entries: 0 the selected-card box, 1..12 the places 0..11 of board/places.h. Each has a
// name that says what it shows and its screen rectangle; each place can be pressed (exactly
// Space on it) and focused, and hit-testing finds the place under a point.
namespace boardAccessibility {

// Makes Qt ask this unit for the card area's interface; once per program, however many times
// it is called.
void install();

// Tells assistive technology that something of an entry changed.
void notify(BoardCanvas& canvas, int entry, QAccessible::Event event);
// Has the message read out where the running Qt can say so directly; before Qt 6.8 the
// entry's description, changed just before, is what screen readers read.
void announce(BoardCanvas& canvas, int entry, const QString& message);

}  // namespace boardAccessibility
