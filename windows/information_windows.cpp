#include "windows/information_windows.h"

#include <memory>

#include "platform/form.h"
#include "windows/aboutauthor.h"
#include "windows/aboutdravonne.h"
#include "windows/aboutketterline.h"
#include "windows/gameover.h"
#include "windows/license.h"
#include "windows/rules.h"
#include "windows/timers.h"
#include "windows/win.h"

namespace {

template <class Window>
void registerWindow(platform::Forms& forms) {
    forms.registerForm(Window::kName,
                       [](platform::Forms& owner) { return std::make_unique<Window>(owner); });
}

}  // namespace

void registerInformationWindows(platform::Forms& forms) {
    registerWindow<Rules>(forms);
    registerWindow<AboutKetterline>(forms);
    registerWindow<AboutDravonne>(forms);
    registerWindow<AboutAuthor>(forms);
    registerWindow<License>(forms);
    registerWindow<Win>(forms);
    registerWindow<GameOver>(forms);
    registerWindow<Timers>(forms);
}
