#pragma once

// Shared by the two start-up programs (startup_game, startup_baseline): timestamps on
// CLOCK_MONOTONIC, which the driver also reads just before it spawns the program, and an
// application-wide event filter that ends the program once its first window has been painted.
//
// Output on stdout, one line per mark: "mark <name> <CLOCK_MONOTONIC nanoseconds>". The last
// mark is "painted". A mark taken with its peak memory adds "peak <name> <KiB>" (VmHWM).

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace startup {

inline long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Collects the marks in memory and prints them all at the end, so that no output is written
// while the program starts.
class Marks {
public:
    void mark(const char* name) { marks_.emplace_back(name, monotonicNs()); }

    // Also notes the peak resident set size so far; reading it costs tens of microseconds.
    void markWithPeak(const char* name) {
        mark(name);
        peaks_.emplace_back(name, peakKiB());
    }

    [[noreturn]] void printAndExit() const {
        for (const auto& [name, ns] : marks_) {
            std::printf("mark %s %lld\n", name.c_str(), ns);
        }
        for (const auto& [name, kib] : peaks_) {
            std::printf("peak %s %lld\n", name.c_str(), kib);
        }
        std::fflush(stdout);
        // Start-up ends at the first paint; tearing the windows down is not part of it.
        std::_Exit(0);
    }

private:
    static long long peakKiB() {
        std::ifstream status("/proc/self/status");
        std::string word;
        while (status >> word) {
            if (word == "VmHWM:") {
                long long kib = 0;
                status >> kib;
                return kib;
            }
        }
        return 0;
    }

    std::vector<std::pair<std::string, long long>> marks_;
    std::vector<std::pair<std::string, long long>> peaks_;
};

// Installed on the application before any window exists. At the first paint event of any
// widget it marks "first_paint_event"; the mark "painted" is taken from a zero timer posted
// then, which runs only after the event loop has finished the paint and handed the window's
// backing store to the window system (the flush follows the paint events within one call).
class FirstPaintProbe final : public QObject {
public:
    explicit FirstPaintProbe(Marks& marks) : marks_(marks) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!fired_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            fired_ = true;
            marks_.mark("first_paint_event");
            QTimer::singleShot(0, this, [this] {
                marks_.mark("painted");
                marks_.printAndExit();
            });
        }
        return false;
    }

private:
    Marks& marks_;
    bool fired_ = false;
};

}  // namespace startup
