#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace platform {

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

QString Translations::language() const {
    return program_.language();
}

void Translations::install() {
    QCoreApplication::installTranslator(&program_);
    if (!qt_.isEmpty()) {
        QCoreApplication::installTranslator(&qt_);
    }
}

QString Translations::translate(const char* context, const char* source) const {
    const QString translated = program_.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

}  // namespace platform
