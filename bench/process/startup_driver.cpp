// Start-up as a person sees it: the time from starting a command to its first window showing
// painted on screen and, for the program, to its entry sheet showing, measured from outside the
// process on an X server with no window manager. The program and a bare Qt window of the same
// size are started in turns, so that whatever else the machine does weighs on both alike.
//
//   quillstep_startup_driver [--rounds N] [--warmup N] [--timeout SECONDS] [--trace]
//                            PROGRAM BARE_WINDOW
//
// The clock starts just before posix_spawn, which execs at once, so loading the executable and
// its libraries counts, as it does for a person. It stops at the arrival of the X server's
// report of the drawing after which a window is no longer one plain colour, or after which the
// bracket's stroke is on screen (see paint_watch.h): a window the server has only filled with
// its background, or that shows the empty screen beneath it, is one colour, so what stops the
// clock is the process's own first frame. Both commands are timed alike, with the same
// environment, display and toolkit, so their ratio is what the program adds to any Qt window.
// The peak resident memory is the kernel's VmHWM, read as soon as the last time has been taken,
// before the process is ended.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "bench/process/paint_watch.h"

extern char** environ;

namespace {

using startup::Clock;
using startup::WaitUntil;
using namespace std::chrono_literals;

struct Options {
    int rounds = 20;
    int warmup = 2;
    std::chrono::seconds timeout{30};
    bool trace = false;
    std::string program;
    std::string bare;
};

// One start-up of one command.
struct Launch {
    double firstPaintMs = 0;
    double sheetMs = 0;
    double peakMiB = 0;
    // How far the true times may lie from the measured ones: after them when one image showed
    // several damages (the first is taken), before them when a damage waited to be read.
    double widestCandidatesMs = 0;
    double longestReadDelayMs = 0;
};

// A killed process's windows are gone once the server has seen its connection close; the
// pause after lets the server and the kernel finish tidying before the next start.
constexpr auto kWindowsGone = 5s;
constexpr auto kSettle = 100ms;
constexpr auto kTermGrace = 2s;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

std::string Basename(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

int PositiveNumber(const char* text, const char* option) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 0 || value > 100000)
        throw std::invalid_argument(std::string(option) + " wants a number");
    return static_cast<int>(value);
}

Options Parse(int argc, char** argv) {
    Options options;
    std::vector<std::string> commands;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto value = [&]() {
            if (i + 1 >= argc) throw std::invalid_argument(argument + " wants a value");
            return PositiveNumber(argv[++i], argument.c_str());
        };
        if (argument == "--rounds") {
            options.rounds = std::max(1, value());
        } else if (argument == "--warmup") {
            options.warmup = value();
        } else if (argument == "--timeout") {
            options.timeout = std::chrono::seconds(std::max(1, value()));
        } else if (argument == "--trace") {
            options.trace = true;
        } else {
            commands.push_back(argument);
        }
    }
    if (commands.size() != 2)
        throw std::invalid_argument(
            "usage: quillstep_startup_driver [--rounds N] [--warmup N] [--timeout SECONDS] "
            "[--trace] PROGRAM BARE_WINDOW");
    options.program = commands[0];
    options.bare = commands[1];
    return options;
}

// Starts `path` with the driver's environment and its output thrown away; `start` is taken
// just before the exec.
pid_t Spawn(const std::string& path, Clock::time_point& start) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    pid_t pid = 0;
    start = Clock::now();
    const int error = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) throw std::system_error(error, std::generic_category(), "starting " + path);
    return pid;
}

bool Running(pid_t pid) {
    siginfo_t info{};
    // WNOWAIT: a process that has died stays unreaped, for End() to reap.
    return waitid(P_PID, pid, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
}

// The process's peak resident set so far, from the kernel's own count.
double PeakMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) != 0) continue;
        std::istringstream fields(line.substr(6));
        long kib = 0;
        fields >> kib;
        return kib / 1024.0;
    }
    throw std::runtime_error("no VmHWM for process " + std::to_string(pid));
}

// Asks the process to end, makes it end if it will not, and reaps it.
void End(pid_t pid) {
    kill(pid, SIGTERM);
    const auto giveUp = Clock::now() + kTermGrace;
    while (Clock::now() < giveUp) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(2ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

Launch Measure(startup::PaintWatch& watch, const std::string& path, WaitUntil until,
               const Options& options) {
    Clock::time_point start;
    const pid_t pid = Spawn(path, start);
    Launch launch;
    std::string failure;
    try {
        const auto seen =
            watch.WaitFor(until, start, start + options.timeout, [pid] { return Running(pid); });
        if (!Running(pid)) {
            failure = "ended before it was painted";
        } else if (!seen.firstPaint || (until == WaitUntil::SheetPainted && !seen.sheet)) {
            failure = seen.firstPaint ? "painted no entry sheet" : "painted no window";
        } else {
            launch.peakMiB = PeakMiB(pid);
            const std::optional<startup::Sighting> sightings[] = {seen.firstPaint, seen.sheet};
            for (const auto& sighting : sightings) {
                if (!sighting) continue;
                launch.widestCandidatesMs = std::max(launch.widestCandidatesMs,
                                                     Milliseconds(sighting->latest - sighting->at));
                launch.longestReadDelayMs =
                    std::max(launch.longestReadDelayMs, Milliseconds(sighting->readDelay));
            }
            launch.firstPaintMs = Milliseconds(seen.firstPaint->at - start);
            if (seen.sheet) launch.sheetMs = Milliseconds(seen.sheet->at - start);
        }
    } catch (...) {
        End(pid);
        throw;
    }
    End(pid);
    if (!failure.empty()) throw std::runtime_error(path + " " + failure);
    if (!watch.ForgetWindows(Clock::now() + kWindowsGone))
        throw std::runtime_error(path + " left windows behind after it ended");
    std::this_thread::sleep_for(kSettle);
    if (options.trace) {
        std::fprintf(stderr, "%s: first paint %.1f ms, sheet %.1f ms, VmHWM %.1f MiB\n",
                     Basename(path).c_str(), launch.firstPaintMs, launch.sheetMs, launch.peakMiB);
    }
    return launch;
}

struct Summary {
    double median = 0;
    double min = 0;
    double max = 0;
};

Summary Summarize(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    const double median = values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
    return {.median = median, .min = values.front(), .max = values.back()};
}

template <typename Field>
std::vector<double> Column(const std::vector<Launch>& launches, Field field) {
    std::vector<double> values;
    for (const Launch& launch : launches) values.push_back(launch.*field);
    return values;
}

std::vector<double> Ratios(const std::vector<double>& numerators,
                           const std::vector<double>& denominators) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < numerators.size(); ++i)
        ratios.push_back(numerators[i] / denominators[i]);
    return ratios;
}

void PrintPrecision(const std::vector<Launch>& program, const std::vector<Launch>& bare);

void PrintTable(const Options& options, const std::vector<Launch>& program,
                const std::vector<Launch>& bare) {
    const std::string programName = Basename(options.program);
    const std::string bareName = Basename(options.bare);
    const auto programPaint = Column(program, &Launch::firstPaintMs);
    const auto programSheet = Column(program, &Launch::sheetMs);
    const auto barePaint = Column(bare, &Launch::firstPaintMs);
    const auto row = [](const std::string& name, const char* what, const Summary& summary) {
        std::printf("%-22s %-14s %8.1f %8.1f %8.1f\n", name.c_str(), what, summary.median,
                    summary.min, summary.max);
    };

    std::printf(
        "Start-up from exec under Xvfb with no window manager: %d rounds, %s and %s in "
        "turns, after %d warm-up round(s)\n\n",
        options.rounds, programName.c_str(), bareName.c_str(), options.warmup);
    std::printf("%-22s %-14s %8s %8s %8s\n", "ms from exec", "", "median", "min", "max");
    row(programName, "first paint", Summarize(programPaint));
    row(programName, "sheet painted", Summarize(programSheet));
    row(bareName, "first paint", Summarize(barePaint));

    std::printf("\nratio %s / %s, median of the rounds' ratios:\n", programName.c_str(),
                bareName.c_str());
    std::printf("  first paint    %.2f\n", Summarize(Ratios(programPaint, barePaint)).median);
    std::printf("  sheet painted  %.2f (against the bare window's first paint)\n",
                Summarize(Ratios(programSheet, barePaint)).median);

    const double programPeak = Summarize(Column(program, &Launch::peakMiB)).median;
    const double barePeak = Summarize(Column(bare, &Launch::peakMiB)).median;
    std::printf("\npeak memory, median VmHWM: %s %.1f MiB, %s %.1f MiB, difference %+.1f MiB\n",
                programName.c_str(), programPeak, bareName.c_str(), barePeak,
                programPeak - barePeak);
    PrintPrecision(program, bare);
}

void PrintPrecision(const std::vector<Launch>& program, const std::vector<Launch>& bare) {
    std::vector<Launch> all = program;
    all.insert(all.end(), bare.begin(), bare.end());
    const auto widest = Column(all, &Launch::widestCandidatesMs);
    const auto delay = Column(all, &Launch::longestReadDelayMs);
    std::printf(
        "\nprecision: a time may be early by up to %.2f ms (several damages in one look, "
        "the first taken) or late by up to %.2f ms (damage read late)\n",
        *std::max_element(widest.begin(), widest.end()),
        *std::max_element(delay.begin(), delay.end()));
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options options = Parse(argc, argv);
        startup::PaintWatch watch(options.trace);
        std::vector<Launch> program;
        std::vector<Launch> bare;
        for (int round = 0; round < options.warmup + options.rounds; ++round) {
            if (options.trace) std::fprintf(stderr, "round %d\n", round);
            Launch programLaunch =
                Measure(watch, options.program, WaitUntil::SheetPainted, options);
            Launch bareLaunch = Measure(watch, options.bare, WaitUntil::FirstPaint, options);
            if (round < options.warmup) continue;
            program.push_back(programLaunch);
            bare.push_back(bareLaunch);
        }
        PrintTable(options, program, bare);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quillstep_startup_driver: %s\n", error.what());
        return 1;
    }
}
