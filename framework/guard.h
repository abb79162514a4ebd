#pragma once
// Every call from the framework into a handler of the program goes through CallHandler: an
// exception that leaves the handler is reported and the event loop goes on, so no exception
// ever crosses the toolkit's event loop.

#include <exception>
#include <functional>
#include <type_traits>

#include "framework/text.h"

namespace framework {

// Reports an exception that no handler caught: on standard error, and to the runtime's
// reporter.
void ReportUnhandledException(std::exception_ptr error) noexcept;

using ExceptionReporter = std::function<void(const String& description)>;
// The runtime's reporter unless replaced: a message box, one at a time. Reports that come while
// one is up (a paint that fails on every repaint, say) go to standard error alone.
ExceptionReporter ExceptionBox();

template <class F, class R = std::invoke_result_t<F&>>
R CallHandler(F&& handler, std::conditional_t<std::is_void_v<R>, int, R> fallback = {}) noexcept {
    try {
        if constexpr (std::is_void_v<R>) {
            (void)fallback;
            handler();
        } else {
            return handler();
        }
    } catch (...) {
        ReportUnhandledException(std::current_exception());
        if constexpr (!std::is_void_v<R>) return fallback;
    }
}

}  // namespace framework
