#include "framework/menu_handlers.h"

#include <algorithm>
#include <cctype>

namespace framework {
namespace {

String Key(std::string_view itemName) {
    String key(itemName);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

}  // namespace

void MenuHandlers::AddMenuHandler(const String& itemName, MenuHandler handler) {
    handlers_[Key(itemName)] = std::move(handler);
}

const MenuHandler* MenuHandlers::FindMenuHandler(std::string_view itemName) const {
    const auto at = handlers_.find(Key(itemName));
    return at == handlers_.end() ? nullptr : &at->second;
}

}  // namespace framework
