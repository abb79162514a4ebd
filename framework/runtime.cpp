#include "framework/runtime.h"

#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QProxyStyle>
#include <QTimer>
#include <algorithm>

#include "framework/control.h"
#include "framework/destroyed_windows.h"
#include "framework/guard.h"
#include "framework/key_tracker.h"
#include "framework/menu.h"
#include "framework/standard_editing.h"
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

// Alt pressed alone selects nothing: a user on the way to Alt+Tab, or who lets go of Alt,
// keeps the keyboard where it was. Alt with a letter still opens its menu.
class ApplicationStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_MenuBar_AltKeyNavigation) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

void ShowInMessageBox(const String& description) {
    auto* box = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Quillstep"),
        QString::fromStdString(description) + QStringLiteral("\nThe program goes on."));
    box->setAttribute(Qt::WA_DeleteOnClose);  // the box owns itself once shown
    box->show();
}

}  // namespace

Runtime::Runtime(int& argc, char** argv)
    : qt_(std::make_unique<GuardedApplication>(argc, argv)),
      keys_(std::make_unique<KeyTracker>()),
      destroyedWindows_(std::make_unique<DestroyedWindowWatch>(*this)),
      executablePath_(QCoreApplication::applicationFilePath().toStdString()),
      urlOpener_(OpenInBrowser) {
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new ApplicationStyle);  // the application owns its style
    qt_->installEventFilter(keys_.get());
    qt_->installNativeEventFilter(destroyedWindows_.get());
    SetExceptionReporter(ShowInMessageBox);
    current = this;
}

Runtime::~Runtime() {
    DestroyClosed();
    // The newest windows first: a sheet is gone before the window it was attached to.
    while (!open_.empty()) open_.pop_back();
    app_.reset();
    SetExceptionReporter(nullptr);
    current = nullptr;
}

Runtime& Runtime::Current() {
    if (!current) throw NilObjectException();
    return *current;
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

Window* Runtime::FindOpenWindow(const std::type_info& type) const {
    for (const auto& window : open_) {
        if (typeid(*window) == type) return window.get();
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

Window* Runtime::FrontWindow() const {
    auto shown = [](const Window* window) {
        return !window->IsClosed() && window->NativeWidget()->isWindow() &&
               window->NativeWidget()->isVisible();
    };
    auto owning = [&](const QWidget* widget) -> Window* {
        if (!widget) return nullptr;
        for (const auto& window : open_) {
            if (window->NativeWidget() == widget->window() && shown(window.get()))
                return window.get();
        }
        return nullptr;
    };
    Window* front = owning(QApplication::activeWindow());
    if (!front) front = owning(QApplication::focusWidget());
    for (auto at = activated_.rbegin(); !front && at != activated_.rend(); ++at) {
        if (shown(*at)) front = *at;
    }
    for (auto at = open_.rbegin(); !front && at != open_.rend(); ++at) {
        if (shown(at->get())) front = at->get();
    }
    if (front && front->AttachedSheet()) return front->AttachedSheet();
    return front;
}

void Runtime::NoteActivated(Window& window) {
    std::erase(activated_, &window);
    activated_.push_back(&window);
}

void Runtime::ActivateFrontWindow() {
    Window* front = FrontWindow();
    if (!front) return;
    QWidget* window = front->NativeWidget()->window();
    if (!window->isActiveWindow()) window->activateWindow();
}

Ref<FolderItem> Runtime::ExecutableFile() const {
    if (executablePath_.empty()) return nullptr;
    return New<FolderItem>(executablePath_);
}

void Runtime::OpenUrl(const String& address) const {
    if (urlOpener_) CallHandler([&] { urlOpener_(address); });
}

UrlOpener Runtime::SetUrlOpener(UrlOpener opener) {
    return std::exchange(urlOpener_, std::move(opener));
}

Ref<MenuBar> Runtime::ActiveMenuBar() const {
    if (Window* front = FrontWindow(); front && front->MenuBar()) return front->MenuBar();
    return app_ ? app_->MenuBar() : nullptr;
}

void Runtime::UpdateMenus() {
    const Ref<MenuBar> bar = ActiveMenuBar();
    if (!bar) return;
    Window* front = FrontWindow();
    auto hasCommand = [&](const MenuItem& item) {
        if (item.IsSeparator()) return false;
        if (dynamic_cast<const QuitMenuItem*>(&item)) return true;
        if (front && front->FindMenuHandler(item.Name())) return true;
        if (app_ && app_->FindMenuHandler(item.Name())) return true;
        return StandardEditOnFocus(StandardEdit(item.Name()), false);
    };
    auto reset = [&](const MenuItem& menu, auto& self) -> void {
        for (int i = 0; i < menu.Count(); ++i) {
            MenuItem& item = *menu.Item(i);
            item.SetEnabled(item.Count() > 0 || (item.AutoEnable() && hasCommand(item)));
            self(item, self);
        }
    };
    reset(*bar, reset);
    if (app_) CallHandler([&] { app_->Event_EnableMenuItems(); });
    if (front) {
        CallHandler([&] { front->Event_EnableMenuItems(); });
        for (Control* control : front->Controls()) {
            CallHandler([&] { control->Event_EnableMenuItems(); });
        }
    }
}

void Runtime::MenuCommand(MenuItem& item) {
    UpdateMenus();
    if (!item.Enabled()) return;
    if (dynamic_cast<QuitMenuItem*>(&item)) {
        Quit();
        return;
    }
    if (Window* front = FrontWindow()) {
        if (const MenuHandler* handler = front->FindMenuHandler(item.Name())) {
            CallHandler(*handler, false);
            return;
        }
    }
    if (app_) {
        if (const MenuHandler* handler = app_->FindMenuHandler(item.Name())) {
            CallHandler(*handler, false);
            return;
        }
    }
    StandardEditOnFocus(StandardEdit(item.Name()), true);
}

}  // namespace framework
