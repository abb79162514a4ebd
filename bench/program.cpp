#include "bench/program.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "framework/runtime.h"
#include "shell/app.h"
#include "shell/startup.h"
#include "worksheet/window1.h"

namespace benchprogram {

worksheet::Window1& Worksheet() {
    auto& runtime = framework::Runtime::Current();
    if (!runtime.FindOpenWindow<worksheet::Window1>()) {
        shell::RegisterClasses(runtime);
        runtime.Start(shell::_Startup);
        while (!runtime.FindOpenWindow<worksheet::Window1>()) QCoreApplication::processEvents();
        // The entry sheet comes up when the worksheet is first activated; the first division
        // closes it.
        const QDeadlineTimer deadline(2000);
        while (!shell::App().isOpened && !deadline.hasExpired()) {
            QCoreApplication::processEvents();
        }
    }
    return *runtime.FindOpenWindow<worksheet::Window1>();
}

void TearDown() {
    auto& runtime = framework::Runtime::Current();
    runtime.CloseAllWindows();
    shell::ReleaseProgramHoldings();
    runtime.RegisterAppObject(nullptr);
    QCoreApplication::processEvents();
}

class CanvasShown::Watch final : public QObject {
public:
    explicit Watch(QWidget* canvas) : canvas_(canvas) { canvas_->installEventFilter(this); }
    ~Watch() override { canvas_->removeEventFilter(this); }

    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }

private:
    QWidget* canvas_;
};

CanvasShown::CanvasShown(worksheet::Window1& window)
    : watch_(std::make_unique<Watch>(window.Canvas1().NativeWidget())) {}

CanvasShown::~CanvasShown() = default;

// A paint is delivered inside one turn of the loop, so once the turn that delivered it has
// returned the paint has finished and the window's backing store has been flushed. Work posted
// before the marker runs before it.
void CanvasShown::Wait() {
    bool postedWorkDone = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&postedWorkDone] { postedWorkDone = true; },
        Qt::QueuedConnection);
    const QDeadlineTimer deadline(10000);
    while (!watch_->painted || !postedWorkDone) {
        QCoreApplication::processEvents();
        if (!deadline.hasExpired()) continue;
        std::fprintf(stderr, "the worksheet's canvas was not painted within 10 s\n");
        std::abort();
    }
}

}  // namespace benchprogram
