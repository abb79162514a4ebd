// How long the program takes in process, from creating its application object until the
// worksheet and then its entry sheet are painted, against a plain toolkit window of the same
// size doing the same first paint.

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include "bench/modes.h"
#include "bench/program.h"
#include "entry/window_input.h"
#include "framework/runtime.h"
#include "shell/startup.h"
#include "worksheet/window1.h"

namespace bench {
namespace {

// The worksheet window's content, and the menu bar above it in the program's window.
constexpr int kContentWidth = 1000;
constexpr int kContentHeight = 750;

double Milliseconds(const QElapsedTimer& clock) { return clock.nsecsElapsed() / 1e6; }

// Notes whether a widget has been painted. A paint is delivered inside one turn of the event
// loop, so once the turn that delivered it has returned, the paint has reached the backing
// store.
class Painted final : public QObject {
public:
    explicit Painted(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
    ~Painted() override {
        if (widget_) widget_->removeEventFilter(this);
    }
    bool Seen() const { return seen_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) seen_ = true;
        return false;
    }

private:
    QPointer<QWidget> widget_;
    bool seen_ = false;
};

enum class Until { WorksheetPainted, SheetPainted };

double ProgramStartUp(Until until) {
    benchprogram::TearDown();
    auto& runtime = framework::Runtime::Current();
    QElapsedTimer clock;
    shell::RegisterClasses(runtime);
    clock.start();
    runtime.Start(shell::_Startup);
    // Start-up builds the entry sheet, then the worksheet opens on the loop's first turn.
    const Painted sheet(runtime.FindOpenWindow<entry::WindowInput>()->NativeWidget());
    while (!runtime.FindOpenWindow<worksheet::Window1>()) QCoreApplication::processEvents();
    const Painted canvas(runtime.FindOpenWindow<worksheet::Window1>()->Canvas1().NativeWidget());
    // The sheet counts as shown once the worksheet it lies on has been painted too.
    auto done = [&] { return canvas.Seen() && (until == Until::WorksheetPainted || sheet.Seen()); };
    while (!done()) QCoreApplication::processEvents();
    const double elapsed = Milliseconds(clock);
    benchprogram::TearDown();  // nothing of this run may go on during the next trial
    return elapsed;
}

// The reference: a plain window of the program's window size whose paint fills its content
// white, which is what the program's first paint of its blank worksheet amounts to. It is the
// fair one because it does the least a window must do to show the user that first picture:
// nothing but creating the window and painting it once.
class PlainWindow final : public QWidget {
public:
    explicit PlainWindow(QSize size) { resize(size); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(0, height() - kContentHeight, kContentWidth, kContentHeight,
                                Qt::white);
    }
};

// The program's window, menu bar included, measured once from a running program.
QSize ProgramWindowSize() {
    benchprogram::Worksheet();
    auto* window = framework::Runtime::Current().FindOpenWindow<worksheet::Window1>();
    const QSize size = window->NativeWidget()->size();
    benchprogram::TearDown();
    return size;
}

double PlainWindowFirstPaint(QSize size) {
    QElapsedTimer clock;
    clock.start();
    auto window = std::make_unique<PlainWindow>(size);
    const Painted painted(window.get());
    window->show();
    while (!painted.Seen()) QCoreApplication::processEvents();
    const double elapsed = Milliseconds(clock);
    window.reset();
    QCoreApplication::processEvents();
    return elapsed;
}

}  // namespace

std::vector<Case> StartupCases() {
    const QSize size = ProgramWindowSize();
    const Trial plain = [size] { return PlainWindowFirstPaint(size); };
    return {
        {"worksheet",
         {{"program", [] { return ProgramStartUp(Until::WorksheetPainted); }},
          {"plain window", plain}}},
        {"sheet",
         {{"program", [] { return ProgramStartUp(Until::SheetPainted); }},
          {"plain window", plain}}},
    };
}

}  // namespace bench
