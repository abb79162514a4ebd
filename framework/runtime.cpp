#include "framework/runtime.h"

#include <QApplication>
#include <QMetaObject>
#include <QTimer>
#include <algorithm>

#include "framework/application_style.h"
#include "framework/control.h"
#include "framework/destroyed_windows.h"
#include "framework/guard.h"
#include "framework/key_tracker.h"
#include "framework/window.h"

namespace framework {
namespace {

// The toolkit's application, which knows its runtime. No exception may cross the toolkit's
// event loop: whatever escapes an event is reported here.
class RuntimeApplication final : public QApplication {
public:
    RuntimeApplication(int& argc, char** argv, Runtime& runtime)
        : QApplication(argc, argv), runtime_(runtime) {}
    Runtime& runtime() const { return runtime_; }
    bool notify(QObject* receiver, QEvent* event) override {
        return CallHandler([&] { return QApplication::notify(receiver, event); }, false);
    }

private:
    Runtime& runtime_;
};

}  // namespace

Runtime::Runtime(int& argc, char** argv)
    : qt_(std::make_unique<RuntimeApplication>(argc, argv, *this)),
      keys_(std::make_unique<KeyTracker>()),
      destroyedWindows_(std::make_unique<DestroyedWindowWatch>(*this)),
      executablePath_(QCoreApplication::applicationFilePath().toStdString()),
      urlOpener_(OpenInBrowser) {
    QApplication::setQuitOnLastWindowClosed(false);
    // The menu bar is each window's own, as the program shows it; not asking the desktop for a
    // global menu also spares start-up a round trip to its message bus.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle(new ApplicationStyle);  // the application owns its style
    qt_->installEventFilter(keys_.get());
    qt_->installNativeEventFilter(destroyedWindows_.get());
    reporter_ = ExceptionBox();
}

Runtime::~Runtime() {
    DestroyClosed();
    // The newest windows first: a sheet is gone before the window it was attached to.
    while (!open_.empty()) open_.pop_back();
    app_.reset();
    objects_.clear();
}

Runtime* Runtime::Find() noexcept {
    auto* application = dynamic_cast<RuntimeApplication*>(QCoreApplication::instance());
    return application ? &application->runtime() : nullptr;
}

Runtime& Runtime::Current() {
    Runtime* runtime = Find();
    if (!runtime) throw NilObjectException();
    return *runtime;
}

int Runtime::Run(const std::function<void()>& startup) {
    Start(startup);
    return QApplication::exec();
}

void Runtime::Start(const std::function<void()>& startup) {
    CallHandler(startup);
    QTimer::singleShot(0, qt_.get(), [this] {
        if (app_) CallHandler([&] { app_->Event_Open(); });
    });
}

void Runtime::Quit(int status) { QApplication::exit(status); }

void Runtime::RegisterAppObject(std::unique_ptr<Application> app) { app_ = std::move(app); }

Application& Runtime::App() const {
    if (!app_) throw NilObjectException();
    return *app_;
}

Window* Runtime::FindOpenWindow(std::type_index type) const {
    for (const auto& window : open_) {
        const Window& open = *window;
        if (std::type_index(typeid(open)) == type) return window.get();
    }
    return nullptr;
}

const Runtime::WindowClass& Runtime::ClassNamed(std::string_view name) const {
    for (const WindowClass& windowClass : classes_) {
        if (windowClass.name == name) return windowClass;
    }
    throw NilObjectException();
}

Window& Runtime::ImplicitWindow(std::string_view className) {
    const WindowClass& windowClass = ClassNamed(className);
    if (Window* open = FindOpenWindow(windowClass.type)) return *open;
    return Adopt(windowClass.make());
}

Window* Runtime::FindOpenWindow(std::string_view className) const {
    for (const WindowClass& windowClass : classes_) {
        if (windowClass.name == className) return FindOpenWindow(windowClass.type);
    }
    return nullptr;
}

Window& Runtime::Adopt(std::unique_ptr<Window> window) {
    Window& adopted = *window;
    open_.push_back(std::move(window));
    try {
        adopted.Construct();
    } catch (...) {
        adopted.Close();
        throw;
    }
    return adopted;
}

void Runtime::Forget(Window& window) {
    const auto at =
        std::find_if(open_.begin(), open_.end(), [&](const auto& w) { return w.get() == &window; });
    if (at == open_.end()) return;
    std::erase(activated_, &window);
    closed_.push_back(std::move(*at));
    open_.erase(at);
    QueueDestroyClosed();
}

void Runtime::Dispose(std::unique_ptr<Control> control) {
    closedControls_.push_back(std::move(control));
    QueueDestroyClosed();
}

void Runtime::QueueDestroyClosed() {
    if (std::exchange(destroyQueued_, true)) return;
    Later([this] { DestroyClosed(); });
}

void Runtime::CloseAllWindows() {
    while (!open_.empty()) open_.back()->Close();
    DestroyClosed();
}

void Runtime::DestroyClosed() {
    destroyQueued_ = false;
    closedControls_.clear();
    closed_.clear();
}

void Runtime::Later(std::function<void()> work) {
    QMetaObject::invokeMethod(
        qt_.get(), [work = std::move(work)] { CallHandler(work); }, Qt::QueuedConnection);
}

Ref<FolderItem> Runtime::ExecutableFile() const {
    if (executablePath_.empty()) return nullptr;
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(executablePath_, error);
    return New<FolderItem>(error ? executablePath_ : real);
}

void Runtime::OpenUrl(const String& address) const {
    if (urlOpener_) CallHandler([&] { urlOpener_(address); });
}

UrlOpener Runtime::SetUrlOpener(UrlOpener opener) {
    return std::exchange(urlOpener_, std::move(opener));
}

}  // namespace framework
