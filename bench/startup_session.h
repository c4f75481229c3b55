#pragma once

// What the start-up programs (startup_game, startup_baseline, startup_phases) share, so that
// each of them is only the windows it builds:
//
//   int main(int argc, char* argv[]) {
//       startup_bench::Session session(argc, argv);  // marks "main" and "qapplication"
//       ...build the windows, session.mark("...") between steps...
//       window.show();
//       return session.runToFirstPaint();  // marks "loaded", then "first_paint_event"
//   }                                      // and "painted", and exits
//
// Timestamps are on CLOCK_MONOTONIC, which the driver also reads just before it spawns the
// program. Output on stdout, all of it at the end, one line per mark: "mark <name>
// <nanoseconds>", the last one "painted"; a session that notes peaks adds "peak <name> <KiB>"
// (VmHWM) for every mark but the two paint marks.

#include <QApplication>
#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QEvent;

namespace startup_bench {

long long monotonicNs();

// Collects the marks in memory and prints them all at the end, so that no output is written
// while the program starts.
class Marks {
public:
    // withPeaks: every mark also notes the peak resident set size so far, which costs tens of
    // microseconds (a read of /proc/self/status).
    explicit Marks(bool withPeaks) : withPeaks_(withPeaks) {}

    void mark(const char* name);
    // Never notes a peak: for the marks that time the paint.
    void markTimeOnly(const char* name);

    // Prints and ends the process at once: tearing the windows down is not start-up.
    [[noreturn]] void printAndExit() const;

private:
    bool withPeaks_;
    std::vector<std::pair<std::string, long long>> marks_;
    std::vector<std::pair<std::string, long long>> peaks_;
};

// Installed on the application before any window exists. At the first paint event of any
// widget it marks "first_paint_event"; the mark "painted" is taken from a zero timer posted
// then, which runs only after the event loop has finished the paint and handed the window's
// backing store to the window system (the flush follows the paint events within one call).
// Then it prints the marks and ends the process.
class FirstPaintProbe final : public QObject {
public:
    explicit FirstPaintProbe(Marks& marks) : marks_(marks) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Marks& marks_;
    bool fired_ = false;
};

// Peaks::Yes: every mark but the paint marks also notes the peak memory so far.
enum class Peaks { No, Yes };

// Makes the application of a start-up program.
using MakeApplication = std::function<std::unique_ptr<QApplication>(int& argc, char** argv)>;

inline std::unique_ptr<QApplication> plainApplication(int& argc, char** argv) {
    return std::make_unique<QApplication>(argc, argv);
}

// One start-up run: marks "main" first thing, makes the application (a plain QApplication, or
// the program's own through startup::makeApplication) with the probe installed, and marks
// "qapplication". Make it first thing in main(); argc must outlive it.
class Session {
public:
    Session(int& argc, char** argv, MakeApplication makeApplication = plainApplication,
            Peaks peaks = Peaks::No)
        : marks_(peaks == Peaks::Yes),
          app_(makeApplication(markMain(marks_, argc), argv)),
          probe_(marks_) {
        app_->installEventFilter(&probe_);
        marks_.mark("qapplication");
    }

    void mark(const char* name) { marks_.mark(name); }

    // Marks "loaded" and runs the event loop, which the probe ends at the first painted
    // window. Returns only if the loop ends otherwise (nothing was ever painted): the driver
    // then reports a start that printed no "painted" mark.
    int runToFirstPaint() {
        marks_.mark("loaded");
        return QApplication::exec();
    }

private:
    // Takes the "main" mark before the application that is made with the result.
    static int& markMain(Marks& marks, int& argc) {
        marks.mark("main");
        return argc;
    }

    Marks marks_;
    std::unique_ptr<QApplication> app_;
    FirstPaintProbe probe_;
};

}  // namespace startup_bench
