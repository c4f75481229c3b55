#pragma once

#include <QAccessible>
#include <QString>

class BoardCanvas;

// How the card area shows itself to assistive technology. After its child widgets (the
// "Selected Card" heading and the "New" button) it has three windowless children: the
// selected-card box, the list of the twelve places of board/places.h, and a notification that
// says what each action did. Each place is a list item named after what it shows, with its top
// card's rectangle; it can be pressed (exactly Space on it) and focused, and its children are its
// cards, bottom first, each with the part of it a sighted player sees. Hit-testing finds the
// place under a point.
namespace boardAccessibility {

// What an event is about.
struct Target {
    enum class Kind { SelectedCardBox, Place, Card, Notification };
    Kind kind;
    int place = 0;  // for a place and a card
    int card = 0;   // for a card, counted from the bottom of its place
};

// Makes Qt ask this unit for the card area's interface.
void install();

// Tells assistive technology that something of the target changed. A card's ObjectDestroyed
// also ends its interface; ObjectShow of the notification has its text spoken.
void notify(BoardCanvas& canvas, Target target, QAccessible::Event event);

}  // namespace boardAccessibility
