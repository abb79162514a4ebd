#pragma once
// A fresh worksheet window for each test, with the journal of its bitmap switched on.

#include <gtest/gtest.h>

#include <vector>

#include "framework/runtime.h"
#include "shell/app.h"
#include "shell/menu_bar1.h"
#include "worksheet/rect_select.h"
#include "worksheet/window1.h"

namespace testsupport {

using framework::DrawCall;

class WorksheetTest : public testing::Test {
protected:
    void SetUp() override {
        auto& runtime = framework::Runtime::Current();
        if (auto* old = runtime.FindOpenWindow<worksheet::Window1>()) old->Close();
        runtime.DestroyClosed();
        // An application whose entry sheet has had its turn, so none comes up.
        auto app = std::make_unique<class shell::App>();
        app->isOpened = true;
        app->SetMenuBar(shell::MenuBar1());
        runtime.RegisterAppObject(std::move(app));
        window = &framework::ImplicitInstance<worksheet::Window1>();
        sheet().StartJournal();
    }
    void TearDown() override {
        window->Close();
        framework::Runtime::Current().DestroyClosed();
        framework::Runtime::Current().RegisterAppObject(nullptr);
        shell::ReleaseMenuBar1();
    }

    framework::Graphics& sheet() { return window->thepic->Graphics(); }
    const std::vector<DrawCall>& journal() { return sheet().Journal(); }

    worksheet::Window1* window = nullptr;
};

}  // namespace testsupport
