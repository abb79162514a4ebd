// The front window, the enabling pass and the routing of menu commands.

#include <QApplication>
#include <QWidget>

#include "framework/control.h"
#include "framework/guard.h"
#include "framework/menu.h"
#include "framework/runtime.h"
#include "framework/standard_editing.h"
#include "framework/window.h"

namespace framework {

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

void Runtime::UpdateMenus() { UpdateMenusOf(FrontWindow()); }

// The bar the front window shows: its own, or the application's.
void Runtime::UpdateMenusOf(Window* front) {
    const Ref<MenuBar> bar =
        front && front->MenuBar() ? front->MenuBar() : (app_ ? app_->MenuBar() : nullptr);
    if (!bar) return;
    auto hasCommand = [&](const MenuItem& item) {
        if (item.IsSeparator()) return false;
        if (dynamic_cast<const QuitMenuItem*>(&item)) return true;
        if (front && front->FindMenuHandler(item.Name())) return true;
        if (app_ && app_->FindMenuHandler(item.Name())) return true;
        return CanEditFocus(StandardEdit(item.Name()));
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
    Window* front = FrontWindow();
    UpdateMenusOf(front);
    if (!item.Enabled()) return;
    if (dynamic_cast<QuitMenuItem*>(&item)) {
        Quit();
        return;
    }
    if (front) {
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
    EditFocus(StandardEdit(item.Name()));
}

Ref<MenuItem> Runtime::ApplicationMenuItem(std::string_view name) const {
    if (!app_ || !app_->MenuBar()) throw NilObjectException();
    return app_->MenuBar()->Lookup(name);
}
}  // namespace framework
