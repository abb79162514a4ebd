#pragma once

#include <functional>

#include "framework/text.h"

namespace framework {

// Hands the address to the desktop's web browser; whether that worked is not reported.
void ShowURL(const String& address);

using UrlOpener = std::function<void(const String& address)>;
// The desktop's browser: what opens addresses unless replaced.
void OpenInBrowser(const String& address);

// Replaces what opens addresses (tests put a recorder here); returns the previous one.
UrlOpener SetUrlOpener(UrlOpener opener);

}  // namespace framework
