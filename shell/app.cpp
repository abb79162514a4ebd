#include "shell/app.h"

#include "framework/runtime.h"
#include "shell/menu_bar1.h"
#include "shell/window_about.h"
#include "shell/window_help.h"
#include "worksheet/window1.h"

namespace shell {

using framework::ImplicitInstance;

class App& App() {
    auto* app = dynamic_cast<class App*>(framework::Runtime::Current().AppObject());
    if (!app) throw framework::NilObjectException();
    return *app;
}

void App::Event_Open() { ImplicitInstance<worksheet::Window1>().Show(); }

void App::Event_EnableMenuItems() {
    HelpLongDivision()->Enable();
    HelpProgram()->Enable();
    FileAbout()->Enable();
}

bool App::_HelpProgram_Action() {
    ImplicitInstance<Windowhelp>().startup(1);
    return true;
}

bool App::_HelpLongDivision_Action() {
    ImplicitInstance<Windowhelp>().startup(2);
    return true;
}

bool App::_FileAbout_Action() {
    ImplicitInstance<WindowAbout>().Show();
    return true;
}

}  // namespace shell
