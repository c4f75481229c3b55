#pragma once

namespace platform {
class Forms;
}

// Registers the eight information windows under their names (Rules, AboutKetterline,
// AboutDravonne, AboutAuthor, License, Win, GameOver, Timers). Each is made hidden, with its
// contents, the first time it is referred to.
void registerInformationWindows(platform::Forms& forms);
