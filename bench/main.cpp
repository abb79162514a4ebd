// One binary for all benchmarks, run by hand on a Release build:
//   quillstep_bench division [rounds]
//   quillstep_bench startup [rounds]

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "bench/modes.h"
#include "bench/program.h"
#include "framework/runtime.h"

namespace {

constexpr int kDefaultRounds = 30;

struct Mode {
    std::string_view name;
    std::vector<bench::Case> (*cases)();
};

constexpr Mode kModes[] = {
    {"division", bench::DivisionCases},
    {"startup", bench::StartupCases},
};

// The benchmarks run on the offscreen platform, which has no stacking order and says so each
// time a shown window is raised: no warning about the program, and not for the report.
QtMessageHandler platformHandler = nullptr;
void ReportMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message == QLatin1String("This plugin does not support raise()")) return;
    platformHandler(type, context, message);
}

int Usage() {
    std::fprintf(stderr, "usage: quillstep_bench MODE [rounds]   (default %d rounds)\nmodes:",
                 kDefaultRounds);
    for (const Mode& mode : kModes) std::fprintf(stderr, " %s", mode.name.data());
    std::fprintf(stderr, "\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platformHandler = qInstallMessageHandler(ReportMessage);
    framework::Runtime runtime(argc, argv);
    if (argc < 2 || argc > 3) return Usage();
    const int rounds = argc == 3 ? std::atoi(argv[2]) : kDefaultRounds;
    if (rounds < 1) return Usage();
    for (const Mode& mode : kModes) {
        if (mode.name != argv[1]) continue;
        {
            const std::vector<bench::Case> cases = mode.cases();
            bench::RunInterleaved(cases, rounds);
        }
        benchprogram::TearDown();
        return 0;
    }
    return Usage();
}
