#pragma once

// Makes Qt show an information window to assistive technology as a dialog, whose description
// is its text, and each of its pictures as a graphic with the name the design gives it. Once
// per program, however many times it is called.
void installInfoWindowAccessibility();
