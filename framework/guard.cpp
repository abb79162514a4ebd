#include "framework/guard.h"

#include <QMessageBox>
#include <QPointer>
#include <cstdio>
#include <memory>

#include "framework/nil_object.h"
#include "framework/runtime.h"

namespace framework {
namespace {

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
        if (Runtime* runtime = Runtime::Find()) runtime->Report(description);
    } catch (...) {
        std::fputs("quillstep: an exception was not handled.\n", stderr);
    }
}

ExceptionReporter ExceptionBox() {
    auto shown = std::make_shared<QPointer<QMessageBox>>();
    return [shown](const String& description) {
        if (*shown) return;
        auto* box = new QMessageBox(
            QMessageBox::Warning, QStringLiteral("Quillstep"),
            QString::fromStdString(description) + QStringLiteral("\nThe program goes on."));
        box->setAttribute(Qt::WA_DeleteOnClose);  // the box owns itself once shown
        *shown = box;
        box->show();
    };
}

void Runtime::Report(const String& description) {
    if (reporter_) reporter_(description);
}

ExceptionReporter Runtime::SetExceptionReporter(ExceptionReporter reporter) {
    return std::exchange(reporter_, std::move(reporter));
}

}  // namespace framework
