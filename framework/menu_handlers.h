#pragma once
// What menu commands are routed to: handlers registered under item names, found again by name
// without regard to letter case. The application and every window keep their own.

#include <functional>
#include <map>

#include "framework/text.h"

namespace framework {

using MenuHandler = std::function<bool()>;

class MenuHandlers {
public:
    void AddMenuHandler(const String& itemName, MenuHandler handler);
    const MenuHandler* FindMenuHandler(std::string_view itemName) const;

protected:
    ~MenuHandlers() = default;

private:
    std::map<String, MenuHandler> handlers_;  // by lower-case name
};

}  // namespace framework
