#include "framework/runtime.h"
#include "worksheet/window1.h"

int main(int argc, char** argv) {
    framework::Runtime runtime(argc, argv);
    return runtime.Run([] { framework::ImplicitInstance<worksheet::Window1>().Show(); });
}
