#include "bench/startup_session.h"

#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>

namespace startup_bench {

namespace {

long long peakKiB() {
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

}  // namespace

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

void Marks::mark(const char* name) {
    markTimeOnly(name);
    if (withPeaks_) {
        peaks_.emplace_back(name, peakKiB());
    }
}

void Marks::markTimeOnly(const char* name) {
    marks_.emplace_back(name, monotonicNs());
}

void Marks::printAndExit() const {
    for (const auto& [name, ns] : marks_) {
        std::printf("mark %s %lld\n", name.c_str(), ns);
    }
    for (const auto& [name, kib] : peaks_) {
        std::printf("peak %s %lld\n", name.c_str(), kib);
    }
    std::fflush(stdout);
    std::_Exit(0);
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
    if (!fired_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
        fired_ = true;
        marks_.markTimeOnly("first_paint_event");
        QTimer::singleShot(0, this, [this] {
            marks_.markTimeOnly("painted");
            marks_.printAndExit();
        });
    }
    return false;
}

}  // namespace startup_bench
