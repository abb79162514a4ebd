#pragma once
// Every call from the framework into a handler of the program goes through CallHandler: an
// exception that leaves the handler is reported and the event loop goes on, so no exception
// ever crosses the toolkit's event loop.

#include <exception>
#include <functional>
#include <type_traits>

#include "framework/text.h"

namespace framework {

// Reports an exception that no handler caught: on standard error, and to the reporter that the
// application installs (a message box in the running program).
void ReportUnhandledException(std::exception_ptr error) noexcept;

using ExceptionReporter = std::function<void(const String& description)>;
// Replaces the reporter; returns the previous one.
ExceptionReporter SetExceptionReporter(ExceptionReporter reporter);

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
