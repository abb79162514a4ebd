#include "framework/runtime.h"

#include <QApplication>
#include <QMetaObject>
#include <QTimer>
#include <algorithm>

#include "framework/control.h"
#include "framework/guard.h"
#include "framework/window.h"

namespace framework {
namespace {

Runtime* current = nullptr;

// No exception may cross the toolkit's event loop: whatever escapes an event is reported here.
class GuardedApplication final : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        return CallHandler([&] { return QApplication::notify(receiver, event); }, false);
    }
};

}  // namespace

Runtime::Runtime(int& argc, char** argv)
    : qt_(std::make_unique<GuardedApplication>(argc, argv)) {
    QApplication::setQuitOnLastWindowClosed(false);
    current = this;
}

Runtime::~Runtime() {
    DestroyClosed();
    // The newest windows first: a sheet is gone before the window it was attached to.
    while (!open_.empty()) open_.pop_back();
    app_.reset();
    current = nullptr;
}

Runtime& Runtime::Current() {
    if (!current) throw NilObjectException();
    return *current;
}

int Runtime::Run(const std::function<void()>& startup) {
    CallHandler(startup);
    QTimer::singleShot(0, qt_.get(), [this] {
        if (app_) CallHandler([&] { app_->Event_Open(); });
    });
    return QApplication::exec();
}

void Runtime::Quit(int status) { QApplication::exit(status); }

void Runtime::RegisterAppObject(std::unique_ptr<Application> app) { app_ = std::move(app); }

Window* Runtime::FindOpenWindow(const std::type_info& type) const {
    for (const auto& window : open_) {
        if (typeid(*window) == type && !window->IsClosed()) return window.get();
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
    const auto at = std::find_if(open_.begin(), open_.end(),
                                 [&](const auto& w) { return w.get() == &window; });
    if (at == open_.end()) return;
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

void Runtime::DestroyClosed() {
    destroyQueued_ = false;
    closedControls_.clear();
    closed_.clear();
}

void Runtime::Later(std::function<void()> work) {
    QMetaObject::invokeMethod(
        qt_.get(), [work = std::move(work)] { CallHandler(work); }, Qt::QueuedConnection);
}

Window* Runtime::FrontWindow() const {
    const QWidget* active = QApplication::activeWindow();
    for (const auto& window : open_) {
        if (window->NativeWidget() == active) return window.get();
    }
    return nullptr;
}

}  // namespace framework
