// How long the program takes from creating its application object to the first paint of the
// worksheet, against a bare toolkit window of the same size painting a 1000 by 800 image.

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "bench/modes.h"
#include "bench/program.h"
#include "framework/runtime.h"
#include "shell/startup.h"

namespace bench {
namespace {

// Notes when a widget of the given name is first about to paint.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(QString name) : name_(std::move(name)) { qApp->installEventFilter(this); }
    ~FirstPaint() override { qApp->removeEventFilter(this); }
    bool seen() const { return seen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->objectName() == name_) seen_ = true;
        return false;
    }

private:
    QString name_;
    bool seen_ = false;
};

void WaitFor(const FirstPaint& paint) {
    while (!paint.seen()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

double Milliseconds(const QElapsedTimer& clock) { return clock.nsecsElapsed() / 1e6; }

double ProgramStartUp() {
    benchprogram::TearDown();
    FirstPaint paint("Canvas1");
    QElapsedTimer clock;
    clock.start();
    framework::Runtime::Current().Start(shell::_Startup);
    WaitFor(paint);
    return Milliseconds(clock);
}

class BareWindow final : public QWidget {
public:
    BareWindow() : image_(1000, 800, QImage::Format_RGB16) {
        image_.fill(Qt::white);
        setObjectName("Bare");
        resize(1000, 750);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, image_); }

private:
    QImage image_;
};

double BareQtWindow() {
    FirstPaint paint("Bare");
    QElapsedTimer clock;
    clock.start();
    auto window = std::make_unique<BareWindow>();
    window->show();
    WaitFor(paint);
    const double elapsed = Milliseconds(clock);
    window.reset();
    QCoreApplication::processEvents();
    return elapsed;
}

}  // namespace

std::vector<Case> StartupCases() {
    return {{"startup", {{"program", ProgramStartUp}, {"bare window", BareQtWindow}}}};
}

}  // namespace bench
