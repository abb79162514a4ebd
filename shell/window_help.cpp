#include "shell/window_help.h"

#include "framework/keyboard.h"
#include "shell/help_texts.h"

namespace shell {

using namespace framework;

void Windowhelp::Layout() {
    ApplyDesign({.title = "Long Division Help",
                 .width = 472,
                 .height = 400,
                 .resizeable = false,
                 .maximizeButton = false});
}

void Windowhelp::CreateControls() { _CreateControls0(); }

// One pixel above the window's top, so that its bottom edge meets the window's.
void Windowhelp::_CreateControls0() {
    Add(std::make_unique<TextArea>(
        ControlDesign{.name = "TextArea1", .left = 0, .top = -1, .width = 472, .height = 401}));
}

TextArea& Windowhelp::TextArea1() const { return Named<TextArea>("TextArea1"); }

bool Windowhelp::Event_KeyDown(const String& key) {
    if (Keyboard::AsyncCommandKey() && (key == "w" || key == "W")) Close();
    return false;
}

void Windowhelp::startup(int helpTopic) {
    if (helpTopic == 2) {
        TextArea& area = TextArea1();
        area.SetText(LongDivisionTextUse());
    } else if (helpTopic == 1) {
        TextArea& area = TextArea1();
        area.SetText(longdivisionHelp());
    }
}

}  // namespace shell
