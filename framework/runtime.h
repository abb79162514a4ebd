#pragma once
// The running framework: the toolkit's application, the registered application object, the
// open windows with their implicit instances, and the event loop.

#include <filesystem>
#include <functional>
#include <memory>
#include <typeindex>
#include <vector>

#include "framework/application.h"
#include "framework/folder_item.h"
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

    // Runs `startup` under the framework's exception handling, raises the application's Open
    // on the first turn of the event loop and runs the loop until the application quits.
    // Returns the loop's exit status.
    int Run(const std::function<void()>& startup);
    // Run without the event loop: start-up now, the application's Open on the next turn.
    void Start(const std::function<void()>& startup);
    void Quit(int status = 0);

    void RegisterAppObject(std::unique_ptr<Application> app);
    Application* AppObject() const { return app_.get(); }

    // Open windows. A window belongs to the runtime from its creation until it is closed;
    // a closed window is forgotten and destroyed once the current event has been handled.
    template <class W>
    W* FindOpenWindow() const {
        return static_cast<W*>(FindOpenWindow(typeid(W)));
    }
    Window* FindOpenWindow(const std::type_info& type) const;
    Window& Adopt(std::unique_ptr<Window> window);
    void Forget(Window& window);
    const std::vector<std::unique_ptr<Window>>& OpenWindows() const { return open_; }
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
    // The menu bar the front window shows.
    Ref<framework::MenuBar> ActiveMenuBar() const;

    const KeyTracker& Keys() const { return *keys_; }

    // The program's executable file as a folder item.
    Ref<FolderItem> ExecutableFile() const;
    // Tests place the program elsewhere with this.
    void SetExecutablePath(std::filesystem::path path) { executablePath_ = std::move(path); }

    void OpenUrl(const String& address) const;
    UrlOpener SetUrlOpener(UrlOpener opener);

private:
    void QueueDestroyClosed();

    std::unique_ptr<QApplication> qt_;
    std::unique_ptr<KeyTracker> keys_;
    std::unique_ptr<DestroyedWindowWatch> destroyedWindows_;
    std::filesystem::path executablePath_;
    UrlOpener urlOpener_;
    std::unique_ptr<Application> app_;
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
