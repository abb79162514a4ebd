#pragma once
// The running framework: the toolkit's application, the registered application object, the
// open windows with their implicit instances, the objects the program keeps one of, and the
// event loop. One runtime per process; whatever the program keeps for the whole run lives here
// or on its application object.
//
// runtime.cpp: life of the runtime, windows and objects; menu_commands.cpp: the front window,
// the enabling pass and the routing of commands; guard.cpp: reports of exceptions.

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

#include "framework/application.h"
#include "framework/folder_item.h"
#include "framework/guard.h"
#include "framework/nil_object.h"
#include "framework/show_url.h"

class QApplication;

namespace framework {

class Control;
class DestroyedWindowWatch;
class KeyTracker;
class MenuItem;
class MenuBar;
class Window;

class Runtime {
public:
    Runtime(int& argc, char** argv);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // The runtime of this process; NilObjectException before it exists.
    static Runtime& Current();
    static Runtime* Find() noexcept;

    // Runs `startup` under the framework's exception handling, raises the application's Open
    // on the first turn of the event loop and runs the loop until the application quits.
    // Returns the loop's exit status.
    int Run(const std::function<void()>& startup);
    // Run without the event loop: start-up now, the application's Open on the next turn.
    void Start(const std::function<void()>& startup);
    void Quit(int status = 0);

    void RegisterAppObject(std::unique_ptr<Application> app);
    Application* AppObject() const { return app_.get(); }
    // The registered application object; NilObjectException before there is one.
    Application& App() const;

    // Open windows. A window belongs to the runtime from its creation until it is closed;
    // a closed window is forgotten and destroyed once the current event has been handled.
    template <class W>
    W* FindOpenWindow() const {
        return static_cast<W*>(FindOpenWindow(typeid(W)));
    }
    Window* FindOpenWindow(std::type_index type) const;
    Window& Adopt(std::unique_ptr<Window> window);
    void Forget(Window& window);
    const std::vector<std::unique_ptr<Window>>& OpenWindows() const { return open_; }

    // Window classes made known by name at start-up, so that a window can reach the implicit
    // instance of a class it knows by name only. Unknown names raise NilObjectException.
    template <class W>
    void RegisterWindowClass(String name) {
        std::erase_if(classes_, [&](const WindowClass& known) { return known.name == name; });
        classes_.push_back({std::move(name), typeid(W), [] { return std::make_unique<W>(); }});
    }
    Window& ImplicitWindow(std::string_view className);
    Window* FindOpenWindow(std::string_view className) const;

    // Objects of which the program keeps one for the run (its menu bar), made on first request
    // and kept until released.
    template <class T>
    Ref<T> ImplicitObject() {
        std::shared_ptr<void>& held = objects_[typeid(T)];
        if (!held) held = std::make_shared<T>();
        return Ref<T>(std::static_pointer_cast<T>(held));
    }
    template <class T>
    void ReleaseImplicitObject() {
        objects_.erase(typeid(T));
    }

    // Keeps a closed control until the current event has been handled, as it may be closing
    // from its own handler.
    void Dispose(std::unique_ptr<Control> control);
    // Destroys what was closed; runs by itself after each event, tests may call it directly.
    void DestroyClosed();
    // Closes every open window, the newest first, and destroys them.
    void CloseAllWindows();
    // Queues `work` to run once the current event has been handled.
    void Later(std::function<void()> work);

    // The window that commands go to: the active window, else the one holding the keyboard,
    // else the last one activated that is still shown; while a sheet is up in it, the sheet.
    // Nil only when no window is shown.
    Window* FrontWindow() const;
    // Called as a window becomes the active window.
    void NoteActivated(Window& window);
    // Activates the front window; used when the active window closes, so that the keyboard
    // does not go nowhere when no window manager hands it on.
    void ActivateFrontWindow();

    // Menus. A command goes to the handler registered under its item's name on the front
    // window, then on the application; an item without one acts on a focused text control
    // where it names a standard editing command (EditCut, EditCopy, EditPaste, ...).
    void MenuCommand(MenuItem& item);
    // The enabling pass: items with a command to run are enabled, then the application's,
    // the front window's and its controls' EnableMenuItems hooks run.
    void UpdateMenus();

    // The item of that name in the application's menu bar, nil when it has none;
    // NilObjectException when there is no application object or no menu bar.
    Ref<MenuItem> ApplicationMenuItem(std::string_view name) const;

    // Reports an exception that no handler caught. The default reporter shows it in a message
    // box, one box at a time.
    void Report(const String& description);
    // Replaces the reporter; returns the previous one.
    ExceptionReporter SetExceptionReporter(ExceptionReporter reporter);

    const KeyTracker& Keys() const { return *keys_; }

    // The program's executable file as a folder item, links resolved: the program's own
    // folder even when it was started through a link placed elsewhere.
    Ref<FolderItem> ExecutableFile() const;
    // Tests place the program elsewhere with this.
    void SetExecutablePath(std::filesystem::path path) { executablePath_ = std::move(path); }

    void OpenUrl(const String& address) const;
    UrlOpener SetUrlOpener(UrlOpener opener);

private:
    struct WindowClass {
        String name;
        std::type_index type;
        std::function<std::unique_ptr<Window>()> make;
    };

    void QueueDestroyClosed();
    // The enabling pass over the menu bar that `front` shows.
    void UpdateMenusOf(Window* front);
    const WindowClass& ClassNamed(std::string_view name) const;

    std::unique_ptr<QApplication> qt_;
    std::unique_ptr<KeyTracker> keys_;
    std::unique_ptr<DestroyedWindowWatch> destroyedWindows_;
    std::filesystem::path executablePath_;
    UrlOpener urlOpener_;
    ExceptionReporter reporter_;
    std::unique_ptr<Application> app_;
    std::vector<WindowClass> classes_;
    std::map<std::type_index, std::shared_ptr<void>> objects_;
    std::vector<std::unique_ptr<Window>> open_;
    std::vector<std::unique_ptr<Window>> closed_;
    std::vector<Window*> activated_;  // open windows, the most recently activated last
    std::vector<std::unique_ptr<Control>> closedControls_;
    bool destroyQueued_ = false;
};

// The implicit instance of a window class: the open window of that class, or a new one,
// constructed and opened.
template <class W>
W& ImplicitInstance() {
    Runtime& runtime = Runtime::Current();
    if (W* open = runtime.FindOpenWindow<W>()) return *open;
    return static_cast<W&>(runtime.Adopt(std::make_unique<W>()));
}

}  // namespace framework
