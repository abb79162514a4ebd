// One binary for all benchmarks: the division against its drawing floor, and start-up against
// a bare window. Built with the program, run by hand.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <cstdlib>

#include "bench/program.h"
#include "framework/runtime.h"
#include "shell/startup.h"
#include "worksheet/window1.h"

namespace benchprogram {

worksheet::Window1& Worksheet() {
    auto& runtime = framework::Runtime::Current();
    if (!runtime.FindOpenWindow<worksheet::Window1>()) {
        runtime.Start(shell::_Startup);
        while (!runtime.FindOpenWindow<worksheet::Window1>()) QCoreApplication::processEvents();
    }
    return *runtime.FindOpenWindow<worksheet::Window1>();
}

void TearDown() {
    auto& runtime = framework::Runtime::Current();
    runtime.CloseAllWindows();
    shell::ReleaseProgramHoldings();
    runtime.RegisterAppObject(nullptr);
    QCoreApplication::processEvents();
}

}  // namespace benchprogram

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    framework::Runtime runtime(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    benchprogram::TearDown();
    return 0;
}
