#pragma once

#include <QLocale>
#include <QTranslator>
#include <functional>

namespace platform {

// The language the desktop asks for, as Qt reads it from LANGUAGE, LC_ALL, LC_MESSAGES and LANG;
// English where the messages' locale (LC_ALL, else LC_MESSAGES, else LANG) is C or POSIX, as
// other desktop programs have it, though Qt alone would still take LANGUAGE.
QLocale desktopLanguage();

// The program's own translations for one language, built into the program, and Qt's own for the
// same language from Qt's translations folder where they are installed. A language the program
// has no translation for, or a malformed one, gives English: the English file holds only the
// plural forms of its counts.
// They may outlive the application: each translator takes itself out of the application that
// still runs when it goes, and there is nothing to take out of one that has gone.
class Translations {
public:
    explicit Translations(const QLocale& language);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // "de", "pt_BR", or "en" for English.
    QString language() const { return program_.language(); }
    // Makes the running application's texts use them, from now until they go; for a language
    // written with Han characters, also the font that draws them in its forms.
    void install();
    // The texts of `context` in this language, before any application exists to translate
    // them, as the start path takes them.
    std::function<QString(const char* source)> in(const char* context) const;

private:
    QTranslator program_;
    QTranslator qt_;
};

}  // namespace platform
