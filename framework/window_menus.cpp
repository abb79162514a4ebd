// A window's menu bar: the application's menus, shown in the window, and their shortcuts.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "framework/application.h"
#include "framework/menu.h"
#include "framework/native_widgets.h"
#include "framework/runtime.h"
#include "framework/window.h"

namespace framework {
namespace {

void ForEachCommand(const MenuItem& menu, const std::function<void(MenuItem&)>& visit) {
    for (int i = 0; i < menu.Count(); ++i) {
        MenuItem& item = *menu.Item(i);
        if (item.Count() > 0) {
            ForEachCommand(item, visit);
        } else {
            visit(item);
        }
    }
}

// A menu is filled when it first opens, which keeps building a window quick; the shortcuts work
// before, through the window's own actions. While a menu is open its items show the enabled
// state of the enabling pass; otherwise their actions stay enabled, so that a shortcut reaches
// the command, which runs the pass itself. The view holds its items for as long as it lives.
void FillMenu(QMenu& view, const Ref<MenuItem>& menu) {
    QObject::connect(&view, &QMenu::aboutToShow, [&view, menu] {
        if (view.isEmpty()) {
            for (int i = 0; i < menu->Count(); ++i) {
                const Ref<MenuItem>& item = menu->Item(i);
                if (item->Count() > 0) {
                    FillMenu(*view.addMenu(QString::fromStdString(item->Text())), item);
                } else {
                    view.addAction(item->Action());
                }
            }
        }
        Runtime::Current().UpdateMenus();
        ForEachCommand(*menu, [](MenuItem& item) { item.Action()->setEnabled(item.Enabled()); });
    });
    QObject::connect(&view, &QMenu::aboutToHide, [menu] {
        ForEachCommand(*menu, [](MenuItem& item) { item.Action()->setEnabled(true); });
    });
}

}  // namespace

void Window::SetMenuBar(Ref<framework::MenuBar> bar) { menuBar_ = std::move(bar); }

// A window shows its own menu bar, or the application's; a sheet shows none: it is part of a
// window that has one. The window keeps the bar it shows.
void Window::InstallMenus() {
    shownBar_ = menuBar_;
    if (!shownBar_) {
        if (Application* app = Runtime::Current().AppObject()) shownBar_ = app->MenuBar();
    }
    if (!shownBar_ || design_.frame == WindowFrame::Sheet) return;
    QWidget* widget = NativeWidget();
    ForEachCommand(*shownBar_, [widget](MenuItem& item) { widget->addAction(item.Action()); });

    auto* view = new QMenuBar(widget);  // owned by the window's widget
    for (int i = 0; i < shownBar_->Count(); ++i) {
        const Ref<MenuItem>& menu = shownBar_->Item(i);
        FillMenu(*view->addMenu(QString::fromStdString(menu->Text())), menu);
    }
    native_->widget()->setMenuBarWidget(view);
    if (design_.resizeable) {
        widget->resize(design_.width, design_.height + view->sizeHint().height());
    } else {
        widget->adjustSize();
    }
}

}  // namespace framework
