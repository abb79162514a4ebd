#include "framework/runtime.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
    framework::Runtime runtime(argc, argv);
    shell::RegisterClasses(runtime);
    const int status = runtime.Run(shell::_Startup);
    shell::ReleaseProgramHoldings();
    return status;
}
