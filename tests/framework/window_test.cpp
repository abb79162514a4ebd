#include "framework/window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "framework/canvas.h"
#include "framework/runtime.h"

using namespace framework;

namespace {

class Counted final : public Window {
public:
    static inline int built = 0;
    void Layout() override {
        ++built;
        ApplyDesign({.title = "Counted", .width = 200, .height = 100});
    }
};

}  // namespace

TEST(ImplicitInstance, IsTheOpenWindowUntilItIsClosed) {
    Counted::built = 0;
    Counted& first = ImplicitInstance<Counted>();
    EXPECT_EQ(&ImplicitInstance<Counted>(), &first);
    EXPECT_EQ(Counted::built, 1);
    EXPECT_EQ(first.Width(), 200);
    EXPECT_EQ(first.Title(), "Counted");
    first.Close();
    EXPECT_EQ(Runtime::Current().FindOpenWindow<Counted>(), nullptr);
    Counted& second = ImplicitInstance<Counted>();
    EXPECT_EQ(Counted::built, 2);
    second.Close();
    Runtime::Current().DestroyClosed();
}

TEST(ControlArray, RunTimeMembersCountFromOneAgainOnceAllAreClosed) {
    Counted& window = ImplicitInstance<Counted>();
    auto member = [&](int index) {
        return std::make_unique<Canvas>(ControlDesign{.name = "Target", .index = index});
    };
    window.Add(member(0));
    std::vector<Canvas*> added;
    for (int i = 0; i < 3; ++i) added.push_back(&window.Add(member(Control::kNextIndex)));
    EXPECT_EQ(added[0]->Index(), 1);
    EXPECT_EQ(added[2]->Index(), 3);
    EXPECT_EQ(window.Find<Canvas>("Target", 2), added[1]);
    EXPECT_EQ(window.ControlByName("target", 2), nullptr);  // control names keep their case

    added[1]->Close();
    EXPECT_EQ(window.Find<Canvas>("Target", 2), nullptr);
    EXPECT_EQ(window.Add(member(Control::kNextIndex)).Index(), 4);

    for (int index : {4, 3, 1}) window.Find<Canvas>("Target", index)->Close();
    EXPECT_EQ(window.Add(member(Control::kNextIndex)).Index(), 1);
    EXPECT_EQ(window.Add(member(Control::kNextIndex)).Index(), 2);
    EXPECT_NE(window.Find<Canvas>("Target", 0), nullptr);
    window.Close();
    Runtime::Current().DestroyClosed();
}
