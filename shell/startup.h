#pragma once
// From process start to the event loop and back.

namespace framework {
class Runtime;
}

namespace shell {

// Makes the program's window classes known to the framework by name, before anything runs.
void RegisterClasses(framework::Runtime& runtime);

// The program's start-up: the application object with its menu bar and menu handlers, then
// the entry sheet as the default window. The framework runs it before its event loop.
void _Startup();

// What the program still holds when the event loop has ended: the cached help texts, then
// the menu bar.
void ReleaseProgramHoldings();

}  // namespace shell
