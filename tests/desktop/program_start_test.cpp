// The built program started from a shell: the options that need no display, a wrong command line,
// and every way of having no display. Each prints what it should and ends with its status.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include "startup.h"

namespace {

struct Finished {
    int status = -1;
    QString out;
    QString err;
};

// The environment of a shell on a machine without any display, in English unless the given
// variables say otherwise, plus those variables ("NAME=" removes NAME).
Finished runProgram(const QStringList& arguments, const QStringList& variables = {},
                    const QString& program = KETTERLINE_PROGRAM) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE",
                             "LANGUAGE", "LC_MESSAGES", "LANG"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    for (const QString& variable : variables) {
        if (variable.endsWith(u'=')) {
            environment.remove(variable.chopped(1));
        } else {
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        }
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Finished run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "the program did not end normally: "
                      << process.readAllStandardError().toStdString();
        return run;
    }
    run.status = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// A display number that no X server on this machine holds.
QString freeDisplay() {
    for (int n = 99; n < 1000; ++n) {
        if (!QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) &&
            !QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
            return QStringLiteral(":%1").arg(n);
        }
    }
    return {};
}

bool waylandPluginInstalled() {
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms");
    return !platforms.entryList({"libqwayland-generic*"}).isEmpty();
}

void expectOneLine(const QString& text, const QString& part) {
    EXPECT_TRUE(text.endsWith('\n') && text.count('\n') == 1) << text.toStdString();
    EXPECT_TRUE(text.contains(part)) << text.toStdString() << "\nlacks: " << part.toStdString();
}

// The desktop's language as the program reads it, here in the first line of --help.
struct LanguageCase {
    const char* name;
    QStringList variables;
    const char* firstLine;
};

void PrintTo(const LanguageCase& c, std::ostream* out) {
    *out << c.name;
}

class ProgramLanguage : public testing::TestWithParam<LanguageCase> {};

TEST_P(ProgramLanguage, FollowsTheDesktopAndFallsBackToEnglish) {
    const Finished run = runProgram({QStringLiteral("--help")}, GetParam().variables);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.section(u'\n', 0, 0).toStdString(), GetParam().firstLine)
        << run.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Environment, ProgramLanguage,
    testing::Values(
        LanguageCase{"German",
                     {"LC_ALL=", "LANGUAGE=de", "LANG=de_DE.UTF-8"},
                     "Aufruf: ketterline [Optionen]"},
        LanguageCase{"GermanFromLangAlone",
                     {"LC_ALL=", "LANG=de_DE.UTF-8"},
                     "Aufruf: ketterline [Optionen]"},
        LanguageCase{"RussianFromLcMessages",
                     {"LC_ALL=", "LC_MESSAGES=ru_RU.UTF-8"},
                     "Использование: ketterline [параметры]"},
        LanguageCase{"SimplifiedChineseFromLangAlone",
                     {"LC_ALL=", "LANG=zh_CN.UTF-8"},
                     "用法：ketterline [选项]"},
        LanguageCase{"Japanese",
                     {"LC_ALL=", "LANGUAGE=ja", "LANG=ja_JP.UTF-8"},
                     "使い方：ketterline [オプション]"},
        LanguageCase{"EnglishFirstInTheList",
                     {"LC_ALL=", "LANGUAGE=en:de", "LANG=de_DE.UTF-8"},
                     "Usage: ketterline [options]"},
        LanguageCase{"CLocaleOverLanguage",
                     {"LC_ALL=C", "LANGUAGE=de", "LANG=de_DE.UTF-8"},
                     "Usage: ketterline [options]"},
        LanguageCase{"PosixMessagesOverLanguage",
                     {"LC_ALL=", "LC_MESSAGES=POSIX", "LANGUAGE=de", "LANG=de_DE.UTF-8"},
                     "Usage: ketterline [options]"},
        LanguageCase{"NoTranslation",
                     {"LC_ALL=", "LANGUAGE=sv", "LANG=sv_SE.UTF-8"},
                     "Usage: ketterline [options]"},
        LanguageCase{
            "Malformed", {"LC_ALL=", "LANGUAGE=:::", "LANG=@@.x"}, "Usage: ketterline [options]"}),
    [](const testing::TestParamInfo<LanguageCase>& info) { return info.param.name; });

TEST(ProgramStart, HelpAndVersionNeedNoDisplay) {
    const Finished help = runProgram({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: ketterline [options]\n")) << help.out.toStdString();
    EXPECT_EQ(help.err, "");

    const Finished version = runProgram({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "ketterline 1.0\n");
    EXPECT_EQ(version.err, "");

    // Qt's own options are no error.
    const Finished withQtOptions = runProgram(
        {"-platform", "offscreen", "-style", "Fusion", "-reverse", "-name", "k", "--version"});
    EXPECT_EQ(withQtOptions.status, 0);
    EXPECT_EQ(withQtOptions.out, "ketterline 1.0\n");
}

TEST(ProgramStart, AWrongCommandLineIsOneLineAndStatusTwo) {
    for (const QStringList& arguments : {QStringList{"--bogus"}, QStringList{"-platform"},
                                         QStringList{"-reverse", "saved.game"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Finished run = runProgram(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        expectOneLine(run.err, "(see 'ketterline --help')");
    }
    EXPECT_EQ(runProgram({"--bogus"}).err,
              "ketterline: unknown option '--bogus' (see 'ketterline --help')\n");
}

TEST(ProgramStart, WithoutAnyDisplayItSaysSoInOneLine) {
    const Finished run = runProgram({});
    EXPECT_EQ(run.status, 1);
    expectOneLine(run.err, "no display is set (DISPLAY and WAYLAND_DISPLAY are empty)");
}

TEST(ProgramStart, AnXDisplayThatDoesNotAnswerIsNamed) {
    const QString display = freeDisplay();
    ASSERT_FALSE(display.isEmpty());
    const Finished run = runProgram({}, {"DISPLAY=" + display});
    EXPECT_EQ(run.status, 1);
    expectOneLine(run.err, "the X display \"" + display + "\" does not answer");
}

TEST(ProgramStart, AMissingWaylandSocketIsNamed) {
    if (!waylandPluginInstalled()) {
        GTEST_SKIP() << "Qt's wayland platform plugin is not installed (package qt6-wayland)";
    }
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const Finished run =
        runProgram({}, {"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=ketterline-gone",
                        "XDG_RUNTIME_DIR=" + runtime.path()});
    EXPECT_EQ(run.status, 1);
    expectOneLine(run.err,
                  "the Wayland display \"" + runtime.path() + "/ketterline-gone\" does not answer");
}

// A qt.conf beside a copy of the program makes Qt look for plugins only in an empty folder.
TEST(ProgramStart, AMissingPlatformPluginIsNamedWithItsPackage) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid() && QDir(folder.path()).mkpath("plugins/platforms"));
    const QString program = folder.filePath("ketterline");
    ASSERT_TRUE(QFile::copy(KETTERLINE_PROGRAM, program));
    QFile conf(folder.filePath("qt.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[Paths]\nPlugins=" + folder.filePath("plugins").toUtf8() + "\n");
    conf.close();
    const Finished run =
        runProgram({}, {"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=wayland-0"}, program);
    EXPECT_EQ(run.status, 1);
    expectOneLine(
        run.err,
        "the Qt platform plugin \"wayland\" is not installed; install the package qt6-wayland");
}

// The desktop matches the window to its launcher by the desktop file name (Wayland) and by the
// X11 window class, which must be the entry's StartupWMClass.
TEST(ProgramStart, TheProgramNamesItselfAsItsDesktopEntryDoes) {
    startup::nameForDesktop();
    const QString entry = QStringLiteral(KETTERLINE_DESKTOP_ENTRY);
    EXPECT_EQ(QGuiApplication::desktopFileName() + ".desktop", QFileInfo(entry).fileName());
    QSettings desktop(entry, QSettings::IniFormat);
    EXPECT_EQ(desktop.value("Desktop Entry/StartupWMClass").toString(),
              QCoreApplication::applicationName());
    EXPECT_EQ(QCoreApplication::applicationName(), "ketterline");
}

}  // namespace
