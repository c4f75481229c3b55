#include "platform/translations.h"

#include <QApplication>
#include <QFontInfo>
#include <QLibraryInfo>

namespace platform {

namespace {

// The font that draws the Han characters of a language written with them, in that language's
// forms. Without it fontconfig takes each character the desktop's font lacks from whichever
// Chinese or Japanese font it prefers for the session's locale, one glyph from one font and the
// next from another: Chinese text in Japanese forms, or both in one line. Latin letters and
// digits stay in the desktop's font.
QString hanFont(const QString& language) {
    if (language == u"zh_CN") {
        return QStringLiteral("WenQuanYi Micro Hei");
    }
    if (language == u"ja") {
        return QStringLiteral("VL Gothic");
    }
    return {};
}

}  // namespace

QLocale desktopLanguage() {
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty()) {
        messages = qgetenv("LC_MESSAGES");
    }
    if (messages.isEmpty()) {
        messages = qgetenv("LANG");
    }
    const bool plain = messages == "C" || messages == "POSIX" || messages.startsWith("C.");
    return plain ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale::system();
}

Translations::Translations(const QLocale& language) {
    const QString folder = QStringLiteral(":/i18n");
    const QString name = QStringLiteral("ketterline");
    if (!program_.load(language, name, QStringLiteral("_"), folder) ||
        program_.language().startsWith(u"en")) {
        (void)program_.load(name + QStringLiteral("_en"), folder);
        return;
    }
    (void)qt_.load(QLocale(program_.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void Translations::install() {
    QCoreApplication::installTranslator(&program_);
    if (!qt_.isEmpty()) {
        QCoreApplication::installTranslator(&qt_);
    }
    if (const QString han = hanFont(language()); !han.isEmpty()) {
        QFont font = QApplication::font();
        font.setFamilies({QFontInfo(font).family(), han});
        QApplication::setFont(font);
    }
}

std::function<QString(const char*)> Translations::in(const char* context) const {
    return [this, context](const char* source) {
        const QString translated = program_.translate(context, source);
        return translated.isEmpty() ? QString::fromUtf8(source) : translated;
    };
}

}  // namespace platform
