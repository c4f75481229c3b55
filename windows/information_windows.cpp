#include "windows/information_windows.h"

#include <memory>

#include "platform/form.h"

// Until each window has its contents, an empty window stands under its name.
void registerInformationWindows(platform::Forms& forms) {
    using platform::TitleButton;
    for (const char* name : {"Rules", "AboutKetterline", "AboutDravonne", "AboutAuthor", "License",
                             "Win", "GameOver", "Timers"}) {
        const QString title = QString::fromLatin1(name);
        forms.registerForm(title, [title](platform::Forms&) {
            return std::make_unique<platform::Form>(title, QSize(320, 200),
                                                    platform::FormFrame::Resizable,
                                                    TitleButton::Minimize | TitleButton::Close);
        });
    }
}
