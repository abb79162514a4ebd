#include "bench/division_floor.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QWindow>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "support/journal_replay.h"

namespace bench {

using framework::DrawCall;

namespace {

constexpr int kSheetWidth = 1000;
constexpr int kSheetHeight = 800;
// The worksheet's canvas; wider than the sheet, of which the window shows 1000 by 750.
constexpr int kCanvasWidth = 1100;
constexpr int kCanvasHeight = 750;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "division floor: %s\n", what);
    std::abort();
}

bool IsBackground(const DrawCall& call) {
    return call.kind == DrawCall::Kind::ClearRect ||
           (call.kind == DrawCall::Kind::Object && call.shape == DrawCall::Shape::Rect);
}

QColor Translucent(framework::Color color, double opacityPercent) {
    const auto alpha = std::lround(std::clamp(opacityPercent, 0.0, 100.0) * 2.55);
    return QColor(color.red, color.green, color.blue, static_cast<int>(alpha));
}

}  // namespace

DrawingFloor::DrawingFloor(const std::vector<DrawCall>& calls) {
    auto first = calls.begin();
    while (first != calls.end() && IsBackground(*first)) ++first;
    AddBackground(testsupport::ReplayJournal({calls.begin(), first}, kSheetWidth, kSheetHeight));
    for (auto at = first; at != calls.end(); ++at) {
        if (IsBackground(*at)) Fail("a fill after the first line or text");
        if (at->kind == DrawCall::Kind::Line) AddLine(*at);
        if (at->kind == DrawCall::Kind::Object && at->shape == DrawCall::Shape::Text) AddText(*at);
        if (at->kind == DrawCall::Kind::Picture) Fail("a picture drawn into the sheet");
    }
}

// The clearing and the translucent stripes, as solid fills of the colour each pixel ends up
// with: rows that look alike make one band, and each run of one colour in a band one fill. So
// white is filled only where it remains, and each stripe is one fill of its blended colour.
void DrawingFloor::AddBackground(const QImage& background) {
    struct Run {
        int left, right;
        QRgb colour;
        bool operator==(const Run&) const = default;
    };
    auto runsOf = [&](int y) {
        std::vector<Run> runs;
        for (int x = 0; x < background.width(); ++x) {
            const QRgb colour = background.pixel(x, y);
            if (runs.empty() || runs.back().colour != colour) runs.push_back({x, x, colour});
            runs.back().right = x;
        }
        return runs;
    };
    std::vector<Run> band = runsOf(0);
    int top = 0;
    auto fillBand = [&](int bottom) {
        for (const Run& run : band) {
            steps_.push_back(
                {.kind = Step::Kind::Fill,
                 .colour = QColor(run.colour),
                 .area = QRect(run.left, top, run.right - run.left + 1, bottom - top)});
        }
    };
    for (int y = 1; y < background.height(); ++y) {
        std::vector<Run> runs = runsOf(y);
        if (runs == band) continue;
        fillBand(y);
        band = std::move(runs);
        top = y;
    }
    fillBand(background.height());
}

// The drawing layer's straight stroke: the pen's footprint swept along it, in black.
void DrawingFloor::AddLine(const DrawCall& call) {
    if (call.x1 != call.x2 && call.y1 != call.y2) Fail("a slanted line");
    const int left = static_cast<int>(std::min(call.x1, call.x2));
    const int top = static_cast<int>(std::min(call.y1, call.y2));
    steps_.push_back(
        {.kind = Step::Kind::Fill,
         .colour = Qt::black,
         .area = QRect(left, top, static_cast<int>(std::abs(call.x2 - call.x1)) + call.penWidth,
                       static_cast<int>(std::abs(call.y2 - call.y1)) + call.penHeight)});
}

// Centred on x by its advance, baseline at y, in the program's font; the advance and the
// glyph runs are worked out here, outside the timed drawing.
void DrawingFloor::AddText(const DrawCall& call) {
    if (call.text.empty()) return;
    QFont font = QGuiApplication::font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(call.textSize))));
    font.setBold(call.bold);
    std::size_t index = 0;
    while (index < fonts_.size() && fonts_[index] != font) ++index;
    if (index == fonts_.size()) fonts_.push_back(font);

    // The glyph runs come from the drawing layer's own layout: pixel-checked in set-up, and
    // never part of the timed drawing.
    const framework::TextRun run = layouts_.Get(call.text, call.textSize, call.bold);
    steps_.push_back({.kind = Step::Kind::Text,
                      .colour = Translucent(call.fillColor, call.fill),
                      .origin = QPointF(call.x1 - run.advance / 2, call.y1),
                      .text = QString::fromStdString(call.text),
                      .font = index,
                      .runs = run.runs});
}

void DrawingFloor::Draw(QImage& bitmap, TextRoute route) const {
    QPainter painter(&bitmap);
    std::size_t font = fonts_.size();
    QColor pen;
    for (const Step& step : steps_) {
        if (step.kind == Step::Kind::Fill) {
            painter.fillRect(step.area, step.colour);
            continue;
        }
        if (step.colour != pen) {
            pen = step.colour;
            painter.setPen(pen);
        }
        if (route == TextRoute::GlyphRuns) {
            for (const QGlyphRun& run : step.runs) painter.drawGlyphRun(step.origin, run);
            continue;
        }
        if (step.font != font) {
            font = step.font;
            painter.setFont(fonts_[font]);
        }
        painter.drawText(step.origin, step.text);
    }
}

int DrawingFloor::Fills() const {
    return static_cast<int>(std::count_if(
        steps_.begin(), steps_.end(), [](const Step& s) { return s.kind == Step::Kind::Fill; }));
}

int DrawingFloor::Texts() const { return static_cast<int>(steps_.size()) - Fills(); }

FloorScreen::FloorScreen() : bitmap(kSheetWidth, kSheetHeight, QImage::Format_RGB16) {
    // Opaque: the paint covers what it shows, so nothing is painted beneath it. Shown without
    // taking the focus, so that the worksheet stays the active window.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName("FloorScreen");
    bitmap.fill(Qt::white);
    resize(kCanvasWidth, kCanvasHeight);
    show();
    while (!windowHandle() || !windowHandle()->isExposed()) QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void FloorScreen::Show() { repaint(); }

// The canvas's own drawing: the bitmap copied to the backing store, converted from 16 bits.
void FloorScreen::paintEvent(QPaintEvent*) { QPainter(this).drawImage(0, 0, bitmap); }

}  // namespace bench
