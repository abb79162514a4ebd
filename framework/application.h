#pragma once
// The application object: one per run, derived by the program, registered with the runtime.

#include <functional>
#include <map>

#include "framework/menu.h"
#include "framework/nil_object.h"
#include "framework/text.h"

namespace framework {

using MenuHandler = std::function<bool()>;

class Application {
public:
    virtual ~Application() = default;

    virtual void Event_Open() {}
    virtual void Event_EnableMenuItems() {}

    // The menu bar of every window that sets none of its own.
    const Ref<framework::MenuBar>& MenuBar() const { return menuBar_; }
    void SetMenuBar(Ref<framework::MenuBar> bar) { menuBar_ = std::move(bar); }

    // Menu commands reach the handler registered under the item's name, letter case aside.
    void AddMenuHandler(const String& itemName, MenuHandler handler);
    const MenuHandler* FindMenuHandler(std::string_view itemName) const;

private:
    Ref<framework::MenuBar> menuBar_;
    std::map<String, MenuHandler> menuHandlers_;
};

// Case-blind key under which menu handlers are registered and looked up.
String MenuHandlerKey(std::string_view itemName);

}  // namespace framework
