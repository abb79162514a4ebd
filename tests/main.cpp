// Tests run headless, against one runtime for the whole process, in the C locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

#include "framework/runtime.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::setlocale(LC_ALL, "C");
    testing::InitGoogleTest(&argc, argv);
    framework::Runtime runtime(argc, argv);
    return RUN_ALL_TESTS();
}
