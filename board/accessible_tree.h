#pragma once

// How the card area shows itself to assistive technology. After its child widgets (the
// "Selected Card" heading and the "New" button) it has three windowless children: the
// selected-card box, the list of the twelve places of board/places.h, and a status bar whose
// notification says what each action did. Each place is a list item named after what it shows,
// with its top card's rectangle; it can be pressed (exactly Space on it), focused and have its
// cards read out, and its children are its cards, bottom first, each with the part of it a
// sighted player sees. Hit-testing finds the place under a point. The card area's interface is
// where its announcer sends what changed.
namespace accessibleTree {

// Makes Qt ask this unit for the card area's interface; before the first card area is made.
void install();

}  // namespace accessibleTree
