#include "shell/startup.h"

#include "entry/window_input.h"
#include "framework/runtime.h"
#include "shell/app.h"
#include "shell/menu_bar1.h"
#include "shell/window_about.h"
#include "shell/window_help.h"
#include "worksheet/window1.h"

namespace shell {

using namespace framework;

namespace {

// The menu bar is in place before the object is registered.
void _NewAppInstance() {
    auto app = std::make_unique<class App>();
    app->SetMenuBar(MenuBar1());
    Runtime::Current().RegisterAppObject(std::move(app));
}

void _ApplicationAddMenuHandlers() {
    auto& app = App();
    app.AddMenuHandler("HelpProgram", [&app] { return app._HelpProgram_Action(); });
    app.AddMenuHandler("HelpLongDivision", [&app] { return app._HelpLongDivision_Action(); });
    app.AddMenuHandler("FileAbout", [&app] { return app._FileAbout_Action(); });
}

void _MakeDefaultView() { ImplicitInstance<entry::WindowInput>(); }

}  // namespace

void RegisterClasses(Runtime& runtime) {
    runtime.RegisterWindowClass<entry::WindowInput>("WindowInput");
    runtime.RegisterWindowClass<worksheet::Window1>("Window1");
    runtime.RegisterWindowClass<Windowhelp>("Windowhelp");
    runtime.RegisterWindowClass<WindowAbout>("WindowAbout");
}

void _Startup() {
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    _MakeDefaultView();
}

void ReleaseProgramHoldings() {
    if (auto* app = dynamic_cast<class App*>(Runtime::Current().AppObject())) {
        app->programHelp.permaText = String();
        app->divisionHelp.permaText = String();
    }
    ReleaseMenuBar1();
}

}  // namespace shell
