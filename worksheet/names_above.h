#pragma once
// What the worksheet reaches by name in the layers above it, which start-up provides: the entry
// sheet's window class, and the application's menu items that the worksheet serves and enables.
// A name that start-up does not register fails only at run time, so a test holds start-up to
// every name here.

#include <array>
#include <string_view>

namespace worksheet {

inline constexpr std::string_view kEntrySheetClass = "WindowInput";

inline constexpr std::string_view kFileNewDivision = "FileNewDivision";
inline constexpr std::string_view kEditCopy = "EditCopy";
inline constexpr std::string_view kEditDeselectAll = "EditDeselectAll";
inline constexpr std::array kServedMenuItems{kFileNewDivision, kEditCopy, kEditDeselectAll};

}  // namespace worksheet
