// How long a whole division takes, against the floor: the same glyphs, lines and rectangles
// replayed into a 1000 by 800 bitmap through one painter, with nothing else around them.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "bench/program.h"
#include "framework/runtime.h"
#include "worksheet/window1.h"

namespace {

using framework::DrawCall;

// The call alone: the repaint it asks for and the destruction of the click targets it closed
// happen after it, between the timed rounds.
void NewDivision(benchmark::State& state, const char* divider, const char* divided) {
    auto& window = benchprogram::Worksheet();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        window.NewDivision(divider, divided);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        framework::Runtime::Current().DestroyClosed();
        QCoreApplication::processEvents();
    }
}

std::vector<DrawCall> JournalOf(const char* divider, const char* divided) {
    auto& window = benchprogram::Worksheet();
    auto& g = window.thepic->Graphics();
    g.ClearJournal();
    g.StartJournal();
    window.NewDivision(divider, divided);
    g.StopJournal();
    return g.Journal();
}

QColor Colour(framework::Color c, double fill) {
    return QColor(c.red, c.green, c.blue, int(fill * 2.55 + 0.5));
}

void Floor(benchmark::State& state, const char* divider, const char* divided) {
    const std::vector<DrawCall> calls = JournalOf(divider, divided);
    QImage image(1000, 800, QImage::Format_RGB16);
    QFont plain = QGuiApplication::font();
    plain.setPixelSize(16);
    QFont bold = plain;
    bold.setBold(true);
    const QFontMetricsF plainMetrics(plain), boldMetrics(bold);
    for (auto _ : state) {
        QPainter p(&image);
        for (const auto& c : calls) {
            switch (c.kind) {
                case DrawCall::Kind::ClearRect:
                    p.fillRect(QRectF(c.x1, c.y1, c.x2, c.y2), Qt::white);
                    break;
                case DrawCall::Kind::Line:
                    p.fillRect(QRectF(c.x1, c.y1, c.x2 - c.x1 + 1, c.y2 - c.y1 + 1), Qt::black);
                    break;
                case DrawCall::Kind::Object:
                    if (c.shape == DrawCall::Shape::Rect) {
                        // In bands of 64 rows, which keeps the toolkit's thread pool out of it.
                        const double top = c.y1 - c.height / 2;
                        for (double y = top; y < top + c.height; y += 64) {
                            p.fillRect(QRectF(c.x1 - c.width / 2, y, c.width,
                                              std::min(64.0, top + c.height - y)),
                                       Colour(c.fillColor, c.fill));
                        }
                    } else {
                        const QString text = QString::fromStdString(c.text);
                        const auto& metrics = c.bold ? boldMetrics : plainMetrics;
                        p.setFont(c.bold ? bold : plain);
                        p.setPen(Colour(c.fillColor, c.fill));
                        p.drawText(QPointF(c.x1 - metrics.horizontalAdvance(text) / 2, c.y1), text);
                    }
                    break;
                case DrawCall::Kind::Picture:
                    break;
            }
        }
    }
}

}  // namespace

BENCHMARK_CAPTURE(NewDivision, 156_by_12, "12", "156")
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NewDivision, 22_by_7, "7", "22")->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NewDivision, 1_by_97, "97", "1")->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Floor, 1_by_97, "97", "1")->Unit(benchmark::kMicrosecond);
