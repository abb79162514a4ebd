#include "framework/application.h"

#include <algorithm>
#include <cctype>

namespace framework {

String MenuHandlerKey(std::string_view itemName) {
    String key(itemName);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

void Application::AddMenuHandler(const String& itemName, MenuHandler handler) {
    menuHandlers_[MenuHandlerKey(itemName)] = std::move(handler);
}

const MenuHandler* Application::FindMenuHandler(std::string_view itemName) const {
    const auto at = menuHandlers_.find(MenuHandlerKey(itemName));
    return at == menuHandlers_.end() ? nullptr : &at->second;
}

}  // namespace framework
