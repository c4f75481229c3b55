// Click-to-paint latency of the Board window: a real mouse click sent through the window
// (press and release), handled by the model, redrawn and painted; and the window's handlers
// called directly, which redraw without painting.
//
// Each benchmark times every iteration on its own (manual time) and adds the median and p90 of
// those times as counters, in microseconds. "paints" counts the canvas's paint events per
// timed iteration. Runs offscreen unless QT_QPA_PLATFORM says otherwise (xcb: set DISPLAY).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPushButton>
#include <QRegion>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

#include "board/board_window.h"
#include "game/board_state.h"
#include "game/random_source.h"
#include "platform/image_canvas.h"
#include "program.h"

namespace {

class PaintCounter final : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return false;
    }
};

// The program as main() wires it, with a fixed random source, started (the Board shown),
// exposed, and dealt through a click on its "New" button.
class BoardBench {
public:
    BoardBench() {
        program_.start();
        if (!QTest::qWaitForWindowExposed(window)) {
            qFatal("The Board window was not exposed");
        }
        click(newButtonPoint());
        settle();
        for (int stack = 1; stack <= kSideStackCount; ++stack) {
            if (!topCard(stack).isCard()) {
                qFatal("The click on New did not deal side stack %d", stack);
            }
        }
        window->cardArea().installEventFilter(&paints);
    }

    CardArea& cardArea() { return window->cardArea(); }

    void click(QPoint windowPoint) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, windowPoint);
    }
    void clickCanvasAt(QPoint canvasPoint) { click(cardArea().mapTo(window, canvasPoint)); }
    QPoint newButtonPoint() {
        QPushButton& button = window->newButton();
        return button.mapTo(window, button.rect().center());
    }

    // Stack 1..8; its top card is shown whole, the others are covered by the next card.
    QPoint topCardOf(int stack) {
        const int count = state.countSideStacks().of(stack);
        return cardArea()
            .image(boardPlaces::placeOfSideStack(stack), count > 0 ? count - 1 : 0)
            .geometry()
            .center();
    }
    Card topCard(int stack) {
        const int count = state.countSideStacks().of(stack);
        return count > 0 ? state.sideStacks[stack][static_cast<std::size_t>(count - 1)] : kNoCard;
    }
    // A point of the client area with no image, label or button on it.
    static QPoint background() { return {200, 60}; }

    // Lets every pending event (updates included) run before the next timed step.
    static void settle() { QCoreApplication::processEvents(); }

private:
    SeededRandomSource random_{20261208};
    Program program_{random_};

public:
    BoardState& state = program_.state;
    BoardWindow* window = &program_.boardWindow();
    PaintCounter paints;
};

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double medianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

double p90Of(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(0.9 * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

// Runs setup() untimed and timed() timed on every iteration. Reports, in microseconds, the
// median and p90 of the wall times and the median CPU time of this (the GUI) thread in the
// timed part; the difference is time spent waiting, for the X server for instance.
template <class Setup, class Timed>
void timeEach(benchmark::State& state, BoardBench& bench, Setup setup, Timed timed) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> micros;
    std::vector<double> cpuMicros;
    int paints = 0;
    for (auto _ : state) {
        setup();
        const int paintsBefore = bench.paints.count;
        const double cpuStart = threadCpuSeconds();
        const Clock::time_point start = Clock::now();
        timed();
        const Clock::time_point end = Clock::now();
        cpuMicros.push_back((threadCpuSeconds() - cpuStart) * 1e6);
        paints += bench.paints.count - paintsBefore;
        const std::chrono::duration<double> elapsed = end - start;
        state.SetIterationTime(elapsed.count());
        micros.push_back(elapsed.count() * 1e6);
    }
    if (micros.empty()) {
        return;
    }
    state.counters["median_us"] = medianOf(micros);
    state.counters["p90_us"] = p90Of(micros);
    state.counters["cpu_median_us"] = medianOf(cpuMicros);
    state.counters["paints"] = static_cast<double>(paints) / static_cast<double>(micros.size());
}

// Selects the top card of side stack 1..8 in turn (the selection is dropped, untimed, before
// each), then repaints the whole board.
void BM_ClickTopCard_RepaintWhole(benchmark::State& state) {
    BoardBench bench;
    int stack = 0;
    timeEach(
        state, bench,
        [&] {
            bench.clickCanvasAt(BoardBench::background());
            BoardBench::settle();
            stack = stack % kSideStackCount + 1;
        },
        [&] {
            bench.clickCanvasAt(bench.topCardOf(stack));
            bench.cardArea().repaint();
        });
    if (bench.state.selectedCard != bench.topCard(stack)) {
        state.SkipWithError("the click did not select the top card");
    }
}
BENCHMARK(BM_ClickTopCard_RepaintWhole)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Drops the selection made (untimed) on a top card, then repaints the whole board.
void BM_ClickBackground_RepaintWhole(benchmark::State& state) {
    BoardBench bench;
    int stack = 0;
    timeEach(
        state, bench,
        [&] {
            stack = stack % kSideStackCount + 1;
            bench.clickCanvasAt(bench.topCardOf(stack));
            BoardBench::settle();
        },
        [&] {
            bench.clickCanvasAt(BoardBench::background());
            bench.cardArea().repaint();
        });
    if (bench.state.selectedCard.isCard()) {
        state.SkipWithError("the background click did not drop the selection");
    }
}
BENCHMARK(BM_ClickBackground_RepaintWhole)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The whole board painted once: the canvas is marked dirty whole, then the click is sent; the
// event processing that ends the click paints the union of that and the redraw's changes.
void BM_ClickTopCard_PaintWholeOnce(benchmark::State& state) {
    BoardBench bench;
    int stack = 0;
    timeEach(
        state, bench,
        [&] {
            bench.clickCanvasAt(BoardBench::background());
            BoardBench::settle();
            stack = stack % kSideStackCount + 1;
        },
        [&] {
            bench.cardArea().update();
            bench.clickCanvasAt(bench.topCardOf(stack));
            BoardBench::settle();
        });
    if (bench.state.selectedCard != bench.topCard(stack)) {
        state.SkipWithError("the click did not select the top card");
    }
}
BENCHMARK(BM_ClickTopCard_PaintWholeOnce)->UseManualTime()->Unit(benchmark::kMicrosecond);

// As the program runs: the click, then the event loop paints what the redraw marked dirty
// (the selected-card box) and nothing else.
void BM_ClickTopCard_EventLoopPaint(benchmark::State& state) {
    BoardBench bench;
    int stack = 0;
    timeEach(
        state, bench,
        [&] {
            bench.clickCanvasAt(BoardBench::background());
            BoardBench::settle();
            stack = stack % kSideStackCount + 1;
        },
        [&] {
            bench.clickCanvasAt(bench.topCardOf(stack));
            BoardBench::settle();
        });
    if (bench.state.selectedCard != bench.topCard(stack)) {
        state.SkipWithError("the click did not select the top card");
    }
}
BENCHMARK(BM_ClickTopCard_EventLoopPaint)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The heaviest click: "New" deals again, the redraw changes every card image, and the event
// loop paints them all.
void BM_ClickNew_EventLoopPaint(benchmark::State& state) {
    BoardBench bench;
    const QPoint point = bench.newButtonPoint();
    timeEach(
        state, bench, [] {},
        [&] {
            bench.click(point);
            BoardBench::settle();
        });
}
BENCHMARK(BM_ClickNew_EventLoopPaint)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The paint alone: every image of the dealt board, no click.
void BM_RepaintWhole(benchmark::State& state) {
    BoardBench bench;
    timeEach(
        state, bench, [] {}, [&] { bench.cardArea().repaint(); });
}
BENCHMARK(BM_RepaintWhole)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The paint alone, of the region a new deal marks dirty: every card image's rectangle (for
// this deal their union is one rectangle), with the "New" button's rectangle added when the
// argument is 1, as when the button is clicked. The painter's clip is then no longer one
// rectangle, which the canvas meets by drawing into a buffer first (Qt's raster engine would
// otherwise draw every card span by span through its thread pool).
void BM_RepaintCardRegion(benchmark::State& state) {
    BoardBench bench;
    QRegion region;
    auto add = [&region](const platform::Image& image) {
        if (image.visible() && !image.picture().isNull()) {
            region += image.geometry();
        }
    };
    add(bench.cardArea().selectedCard());
    for (int place = 0; place < boardPlaces::kCount; ++place) {
        const int items = boardPlaces::place(place).isCenterStack ? 1 : kSlotsPerSideStack;
        for (int item = 0; item < items; ++item) {
            add(bench.cardArea().image(place, item));
        }
    }
    if (state.range(0) == 1) {
        region += bench.window->newButton().geometry();
    }
    state.counters["rects"] = static_cast<double>(region.rectCount());
    timeEach(
        state, bench, [] {}, [&] { bench.cardArea().repaint(region); });
}
BENCHMARK(BM_RepaintCardRegion)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The redraw is the window's own, run by every click and by "New". The next three call the
// window's handlers directly, without a mouse event and without processing events, so the
// timed part is the model's click or deal and the redraw that sets every card image; the paint
// it asks for is not included (it is run, untimed, before the next iteration where noted).

// A background click with nothing selected, on an unchanged board: the model only drops the
// (empty) selection, and the redraw finds every image already showing its card. What most
// clicks ask of most images.
void BM_BackgroundClickRedraw_Unchanged(benchmark::State& state) {
    BoardBench bench;
    timeEach(
        state, bench, [] {}, [&] { bench.window->onBackgroundClicked(); });
    BoardBench::settle();
    if (bench.paints.count != 0) {
        state.SkipWithError("the unchanged redraw asked for a paint");
    }
}
BENCHMARK(BM_BackgroundClickRedraw_Unchanged)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A background click whose redraw switches between two dealt positions: the board is set
// (untimed) to the other position, so every card image changes its picture.
void BM_BackgroundClickRedraw_AllChanged(benchmark::State& state) {
    BoardBench bench;
    const BoardState first = bench.state;
    SeededRandomSource otherRandom(7);
    BoardState second;
    dealNewGame(second, otherRandom);
    bool showFirst = false;
    timeEach(
        state, bench,
        [&] {
            BoardBench::settle();  // paints the previous change, untimed
            showFirst = !showFirst;
            bench.state = showFirst ? first : second;
        },
        [&] { bench.window->onBackgroundClicked(); });
}
// Each iteration's untimed paint of the whole changed board costs some twenty times the timed
// part, so the iteration count is fixed rather than grown to fill the minimum time.
BENCHMARK(BM_BackgroundClickRedraw_AllChanged)
    ->UseManualTime()
    ->Iterations(2000)
    ->Unit(benchmark::kMicrosecond);

// "New" without its paint: a deal from the seeded source, then the redraw, which changes
// nearly every card image.
void BM_NewGameRedraw(benchmark::State& state) {
    BoardBench bench;
    timeEach(
        state, bench, [] { BoardBench::settle(); }, [&] { bench.window->newGame(); });
}
BENCHMARK(BM_NewGameRedraw)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The offscreen platform warns at every show() that it cannot raise a window or pass size
// hints on; every other message goes through.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietOffscreen);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::AddCustomContext("qpa_platform", QGuiApplication::platformName().toStdString());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
