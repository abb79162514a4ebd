#pragma once
// The application object: one per run, derived by the program, registered with the runtime.

#include "framework/menu.h"
#include "framework/menu_handlers.h"
#include "framework/nil_object.h"

namespace framework {

class Application : public MenuHandlers {
public:
    virtual ~Application() = default;

    virtual void Event_Open() {}
    virtual void Event_EnableMenuItems() {}

    // The menu bar of every window that sets none of its own.
    const Ref<framework::MenuBar>& MenuBar() const { return menuBar_; }
    void SetMenuBar(Ref<framework::MenuBar> bar) { menuBar_ = std::move(bar); }

private:
    Ref<framework::MenuBar> menuBar_;
};

}  // namespace framework
