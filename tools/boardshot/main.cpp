// ketterline_boardshot [--language LANGUAGE] OUTPUT_DIR
// Writes start.png, dealt.png and midgame.png: the Board as it opens, right after a deal
// from a fixed seed, and in the middle of a game with a card selected and a side stack
// emptied; then one picture of each information window the Info menu shows. Runs
// offscreen; needs no display. In English unless a language is given ("de", "pt_BR", ...).
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <utility>

#include "game/random_source.h"
#include "platform/translations.h"
#include "program.h"

namespace {

bool save(QWidget& window, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Plays the first legal move found from each side stack's top card: onto a center stack
// first, then onto another side stack. Returns false when none is left.
bool playOneMove(const BoardState& state, BoardWindow& window) {
    const StackCounts counts = state.countSideStacks();
    for (int from = 1; from <= kSideStackCount; ++from) {
        const int count = counts.of(from);
        if (count == 0) {
            continue;
        }
        const Card card = state.card(from, count - 1);
        if (state.centerStack(card.suit).rank + 1 == card.rank) {
            window.onSideStackClicked(from, count - 1);
            window.onCenterStackClicked(card.suit);
            return true;
        }
        for (int to = 1; to <= kSideStackCount; ++to) {
            const int target = counts.of(to);
            if (to != from && target > 0 && state.card(to, target - 1).rank == card.rank + 1) {
                window.onSideStackClicked(from, count - 1);
                window.onSideStackClicked(to, target - 1);
                return true;
            }
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const bool language = argc == 4 && QByteArray(argv[1]) == "--language";
    if (argc != 2 && !language) {
        std::fprintf(stderr, "usage: %s [--language LANGUAGE] OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    platform::Translations translations(
        QLocale(language ? QString::fromLatin1(argv[2]) : QStringLiteral("en")));
    translations.install();
    const QDir dir(QString::fromLocal8Bit(argv[argc - 1]));
    QDir().mkpath(dir.path());

    SeededRandomSource random(1);
    Program program(random);
    const BoardState& state = program.state;
    BoardWindow& window = program.boardWindow();
    program.start();
    bool ok = save(window, dir, QStringLiteral("start.png"));

    window.newButton().click();
    ok = save(window, dir, QStringLiteral("dealt.png")) && ok;

    // Play on until a side stack is empty, dealing again from the same seeded sequence
    // while a game gets stuck first; then pick up a card.
    auto hasEmptyStack = [&state] {
        const auto counts = state.countSideStacks().cards;
        return std::find(counts.begin(), counts.end(), 0) != counts.end();
    };
    for (int deal = 0; deal < 500 && !hasEmptyStack(); ++deal) {
        if (deal > 0) {
            window.newButton().click();
        }
        // Side-to-side moves can go round in circles, so each game gets a bounded number.
        for (int moves = 0; moves < 100 && !hasEmptyStack() && playOneMove(state, window);
             ++moves) {
        }
    }
    for (int n = 1; n <= kSideStackCount; ++n) {
        const int count = state.countSideStacks().of(n);
        if (count > 0) {
            window.onSideStackClicked(n, count - 1);
            break;
        }
    }
    ok = save(window, dir, QStringLiteral("midgame.png")) && ok;

    // The information windows that the Info menu reaches, as they open.
    const std::pair<InfoWindowId, const char*> shown[] = {
        {InfoWindowId::Rules, "rules.png"},
        {InfoWindowId::AboutKetterline, "aboutketterline.png"},
        {InfoWindowId::AboutDravonne, "aboutdravonne.png"},
        {InfoWindowId::AboutAuthor, "aboutauthor.png"},
        {InfoWindowId::License, "license.png"}};
    for (const auto& [id, file] : shown) {
        program.show(id);
        ok = save(program.window(id), dir, QLatin1String(file)) && ok;
    }
    return ok ? 0 : 1;
}
