#include "shell/window_about.h"

#include "framework/show_url.h"

namespace shell {

using namespace framework;

void WindowAbout::Layout() {
    ApplyDesign({.title = "Untitled",
                 .width = 267,
                 .height = 120,
                 .resizeable = false,
                 .maximizeButton = false});
}

void WindowAbout::CreateControls() { _CreateControls0(); }

void WindowAbout::_CreateControls0() {
    Add(std::make_unique<Label>(
        ControlDesign{.name = "StaticText1", .left = 20, .top = 17, .width = 227, .height = 20},
        LabelDesign{.text = "Quillstep v. 0.6.01"}));
    auto& web = Add(std::make_unique<PushButton>(
        ControlDesign{
            .name = "PushButton1", .left = 59, .top = 80, .width = 53, .height = 20, .tabIndex = 1},
        "WEB"));
    web.Action = [this](PushButton& sender) { PushButton1_Action(sender); };
    auto& ok = Add(std::make_unique<PushButton>(ControlDesign{.name = "PushButton2",
                                                              .left = 145,
                                                              .top = 80,
                                                              .width = 80,
                                                              .height = 20,
                                                              .tabIndex = 2},
                                                "OK", ButtonRole::Default));
    ok.Action = [this](PushButton& sender) { PushButton2_Action(sender); };
    Add(std::make_unique<Label>(ControlDesign{.name = "StaticText2",
                                              .left = 12,
                                              .top = 41,
                                              .width = 243,
                                              .height = 20,
                                              .tabIndex = 3},
                                LabelDesign{.text = "by Bramblewick", .textSize = 10}));
}

void WindowAbout::PushButton1_Action(PushButton&) { ShowURL(kMakerAddress); }

void WindowAbout::PushButton2_Action(PushButton&) { Close(); }

}  // namespace shell
