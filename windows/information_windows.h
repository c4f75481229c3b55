#pragma once

namespace platform {
class Forms;
}

// Registers the eight information windows under their names (Rules, AboutKetterline,
// AboutDravonne, AboutAuthor, License, Win, GameOver, Timers).
void registerInformationWindows(platform::Forms& forms);
