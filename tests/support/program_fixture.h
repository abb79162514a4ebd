#pragma once
// The real program started offscreen: application object, menu bar, worksheet and entry sheet,
// driven with real key and mouse events.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "entry/window_input.h"
#include "framework/runtime.h"
#include "shell/app.h"
#include "shell/help_texts.h"
#include "shell/menu_bar1.h"
#include "shell/startup.h"
#include "worksheet/window1.h"

namespace testsupport {

class ProgramTest : public testing::Test {
protected:
    void SetUp() override {
        shell::RegisterClasses(runtime());
        runtime().Start(shell::_Startup);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return runtime().FindOpenWindow<worksheet::Window1>(); }));
        ASSERT_TRUE(QTest::qWaitFor([&] { return sheet() && sheet()->Visible(); }));
    }
    void TearDown() override {
        runtime().CloseAllWindows();
        shell::ReleaseProgramHoldings();
        runtime().RegisterAppObject(nullptr);
    }

    static framework::Runtime& runtime() { return framework::Runtime::Current(); }
    static worksheet::Window1& worksheet() {
        return *runtime().FindOpenWindow<worksheet::Window1>();
    }
    static entry::WindowInput* sheet() { return runtime().FindOpenWindow<entry::WindowInput>(); }
    static void settle() {
        QCoreApplication::processEvents();
        runtime().DestroyClosed();
    }
};

}  // namespace testsupport
