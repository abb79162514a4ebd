#include "shell/startup.h"

#include "entry/window_input.h"
#include "framework/runtime.h"
#include "shell/app.h"
#include "shell/help_texts.h"
#include "shell/menu_bar1.h"

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
    class App& app = App();
    app.AddMenuHandler("HelpProgram", [&app] { return app._HelpProgram_Action(); });
    app.AddMenuHandler("HelpLongDivision", [&app] { return app._HelpLongDivision_Action(); });
    app.AddMenuHandler("FileAbout", [&app] { return app._FileAbout_Action(); });
}

void _MakeDefaultView() { ImplicitInstance<entry::WindowInput>(); }

}  // namespace

void _Startup() {
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    _MakeDefaultView();
}

void ReleaseProgramHoldings() {
    ReleaseHelpTexts();
    ReleaseMenuBar1();
}

}  // namespace shell
