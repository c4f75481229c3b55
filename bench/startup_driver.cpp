// Runs start-up programs alternately, each one many times, and reports how long each took from
// just before it was spawned to its first painted window, and its peak memory.
//
//   startup_driver [--runs N] [--warmup W] NAME[@LANGUAGE]=PROGRAM [NAME[@LANGUAGE]=PROGRAM ...]
//
// A program given with a language ("game@de") runs with LANGUAGE and LANG set to it and LC_ALL
// and LC_MESSAGES unset, so that two languages of one program can be compared.
// Each program prints "mark <name> <CLOCK_MONOTONIC ns>" lines (see startup_session.h) and exits
// at its first painted window. The driver reads CLOCK_MONOTONIC right before posix_spawn, so a
// time covers exec, dynamic loading, static initialisation, main and the first paint. Peak
// memory is each child's own ru_maxrss from wait4. The first program is the reference of the
// ratios. The order within a round alternates, so that neither program always runs first.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

struct Program {
    std::string name;
    std::string path;
    std::vector<std::string> environment;              // empty for the driver's own
    std::vector<std::string> markOrder;                // as first seen
    std::map<std::string, std::vector<double>> marks;  // ms since spawn, per run
    std::vector<std::string> peakOrder;
    std::map<std::string, std::vector<double>> peaks;  // KiB, per run
    std::vector<double> maxRssKiB;
};

struct RunResult {
    std::vector<std::pair<std::string, double>> marks;  // ms since spawn
    std::vector<std::pair<std::string, double>> peaks;  // KiB
    long maxRssKiB = 0;
};

// The driver's environment for a program in `language`.
std::vector<std::string> environmentFor(const std::string& language) {
    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable) {
        const std::string_view entry(*variable);
        const std::string_view name = entry.substr(0, entry.find('='));
        if (name != "LANGUAGE" && name != "LANG" && name != "LC_ALL" && name != "LC_MESSAGES") {
            environment.emplace_back(entry);
        }
    }
    environment.push_back("LANGUAGE=" + language);
    environment.push_back("LANG=" + language + ".UTF-8");
    return environment;
}

std::optional<RunResult> runOnce(const std::string& path, std::vector<std::string> environment) {
    int fds[2];
    if (pipe(fds) != 0) {
        std::perror("pipe");
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    std::vector<char> arg0(path.begin(), path.end());
    arg0.push_back('\0');
    char* argv[] = {arg0.data(), nullptr};

    pid_t pid = 0;
    const long long start = monotonicNs();
    std::vector<char*> variables;
    for (std::string& variable : environment) {
        variables.push_back(variable.data());
    }
    variables.push_back(nullptr);
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv,
                                    environment.empty() ? environ : variables.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", path.c_str(), std::strerror(spawned));
        close(fds[0]);
        return std::nullopt;
    }

    std::string output;
    bool timedOut = false;
    for (;;) {
        pollfd readable{fds[0], POLLIN, 0};
        const int ready = poll(&readable, 1, 20'000);
        if (ready == 0) {
            timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        char buffer[4096];
        const ssize_t got = read(fds[0], buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        output.append(buffer, static_cast<std::size_t>(got));
    }
    close(fds[0]);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (timedOut || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not finish its start-up (status %d%s)\n", path.c_str(), status,
                     timedOut ? ", timed out" : "");
        return std::nullopt;
    }

    RunResult result;
    result.maxRssKiB = usage.ru_maxrss;
    std::istringstream lines(output);
    std::string word;
    std::string name;
    long long value = 0;
    while (lines >> word >> name >> value) {
        if (word == "mark") {
            result.marks.emplace_back(name, static_cast<double>(value - start) / 1e6);
        } else if (word == "peak") {
            result.peaks.emplace_back(name, static_cast<double>(value));
        }
    }
    if (result.marks.empty() || result.marks.back().first != "painted") {
        std::fprintf(stderr, "%s printed no \"painted\" mark\n", path.c_str());
        return std::nullopt;
    }
    return result;
}

// Nearest-rank percentile of a sorted copy.
double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * values.size()));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

int usage() {
    std::fprintf(stderr,
                 "usage: startup_driver [--runs N] [--warmup W] NAME[@LANGUAGE]=PROGRAM...\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    int runs = 30;
    int warmup = 3;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--runs" || arg == "--warmup") && i + 1 < argc) {
            (arg == "--runs" ? runs : warmup) = std::atoi(argv[++i]);
        } else if (const auto eq = arg.find('='); eq != std::string::npos && eq > 0) {
            const std::string name = arg.substr(0, eq);
            const auto at = name.find('@');
            programs.push_back(Program{name,
                                       arg.substr(eq + 1),
                                       at == std::string::npos
                                           ? std::vector<std::string>{}
                                           : environmentFor(name.substr(at + 1)),
                                       {},
                                       {},
                                       {},
                                       {},
                                       {}});
        } else {
            return usage();
        }
    }
    if (programs.empty() || runs < 1 || warmup < 0) {
        return usage();
    }

    int failedStarts = 0;
    for (int round = -warmup; round < runs; ++round) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            // Odd rounds run the programs in reverse order.
            Program& program = programs[round % 2 == 0 ? k : programs.size() - 1 - k];
            // A start that fails (under load the X server has now and then refused a
            // connection) is run again, up to twice; it is counted and reported.
            std::optional<RunResult> result = runOnce(program.path, program.environment);
            for (int retry = 0; !result && retry < 2; ++retry) {
                ++failedStarts;
                result = runOnce(program.path, program.environment);
            }
            if (!result) {
                return 1;
            }
            if (round < 0) {
                continue;
            }
            for (const auto& [name, ms] : result->marks) {
                if (!program.marks.contains(name)) {
                    program.markOrder.push_back(name);
                }
                program.marks[name].push_back(ms);
            }
            for (const auto& [name, kib] : result->peaks) {
                if (!program.peaks.contains(name)) {
                    program.peakOrder.push_back(name);
                }
                program.peaks[name].push_back(kib);
            }
            program.maxRssKiB.push_back(static_cast<double>(result->maxRssKiB));
        }
    }

    std::printf("%d runs each (after %d warm-up rounds), alternating; %d failed starts rerun\n",
                runs, warmup, failedStarts);
    std::printf("milliseconds from spawn to each mark; max RSS in MiB\n\n");
    for (const Program& program : programs) {
        std::printf("%s (%s)\n", program.name.c_str(), program.path.c_str());
        std::printf("  %-18s %8s %8s %8s %8s\n", "mark", "median", "p90", "min", "max");
        for (const std::string& name : program.markOrder) {
            const std::vector<double>& values = program.marks.at(name);
            std::printf("  %-18s %8.2f %8.2f %8.2f %8.2f\n", name.c_str(), median(values),
                        percentile(values, 90), *std::min_element(values.begin(), values.end()),
                        *std::max_element(values.begin(), values.end()));
        }
        for (const std::string& name : program.peakOrder) {
            std::vector<double> mib;
            for (double kib : program.peaks.at(name)) {
                mib.push_back(kib / 1024.0);
            }
            std::printf("  %-18s %8.2f %8.2f %8.2f %8.2f  (peak RSS so far, MiB)\n", name.c_str(),
                        median(mib), percentile(mib, 90), *std::min_element(mib.begin(), mib.end()),
                        *std::max_element(mib.begin(), mib.end()));
        }
        std::vector<double> rssMiB;
        for (double kib : program.maxRssKiB) {
            rssMiB.push_back(kib / 1024.0);
        }
        std::printf("  %-18s %8.2f %8.2f %8.2f %8.2f\n\n", "max RSS (MiB)", median(rssMiB),
                    percentile(rssMiB, 90), *std::min_element(rssMiB.begin(), rssMiB.end()),
                    *std::max_element(rssMiB.begin(), rssMiB.end()));
    }

    const Program& reference = programs.front();
    for (std::size_t k = 1; k < programs.size(); ++k) {
        const Program& program = programs[k];
        const auto& painted = program.marks.at("painted");
        const auto& referencePainted = reference.marks.at("painted");
        std::printf("%s / %s: start-up median %.2fx, p90 %.2fx; max RSS median %.2fx, max %.2fx\n",
                    program.name.c_str(), reference.name.c_str(),
                    median(painted) / median(referencePainted),
                    percentile(painted, 90) / percentile(referencePainted, 90),
                    median(program.maxRssKiB) / median(reference.maxRssKiB),
                    *std::max_element(program.maxRssKiB.begin(), program.maxRssKiB.end()) /
                        *std::max_element(reference.maxRssKiB.begin(), reference.maxRssKiB.end()));
        // Paired: the ratio within each round, whose runs follow one another and so share the
        // machine's load, then the median and p90 of those ratios.
        std::vector<double> paired;
        for (std::size_t i = 0; i < painted.size() && i < referencePainted.size(); ++i) {
            paired.push_back(painted[i] / referencePainted[i]);
        }
        std::printf("%s / %s, paired by round: start-up ratio median %.2fx, p90 %.2fx\n",
                    program.name.c_str(), reference.name.c_str(), median(paired),
                    percentile(paired, 90));
    }
    return 0;
}
