#include "framework/guard.h"

#include <cstdio>
#include <typeinfo>

#include "framework/nil_object.h"

namespace framework {
namespace {

ExceptionReporter& Reporter() {
    static ExceptionReporter reporter;
    return reporter;
}

String Describe(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const NilObjectException&) {
        return "An exception of class NilObjectException was not handled.";
    } catch (const std::exception& e) {
        return String("An exception was not handled: ") + e.what();
    } catch (...) {
        return "An exception of unknown kind was not handled.";
    }
}

}  // namespace

void ReportUnhandledException(std::exception_ptr error) noexcept {
    try {
        const String description = Describe(error);
        std::fprintf(stderr, "quillstep: %s The program goes on.\n", description.c_str());
        if (auto& reporter = Reporter()) reporter(description);
    } catch (...) {
        std::fputs("quillstep: an exception was not handled.\n", stderr);
    }
}

ExceptionReporter SetExceptionReporter(ExceptionReporter reporter) {
    return std::exchange(Reporter(), std::move(reporter));
}

}  // namespace framework
