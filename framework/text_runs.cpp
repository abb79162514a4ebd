#include "framework/text_runs.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTextLayout>
#include <cmath>

namespace framework {
namespace {

// Texts are few and short; a program that draws ever new ones starts the cache afresh.
constexpr std::size_t kMostRuns = 4096;

// The glyphs as the painter's text call lays them out, kerning included, with the origin moved
// from the line's top to its baseline (the ascent is a whole number of 1/64 pixels, so the move
// is exact and the glyphs land where the text call puts them).
QList<QGlyphRun> LaidOut(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QList<QGlyphRun> runs = layout.glyphRuns();
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& at : positions) at.ry() -= line.ascent();
        run.setPositions(positions);
    }
    return runs;
}

}  // namespace

const QFont& TextRuns::FontFor(double pixelSize, bool bold) {
    const auto key = std::make_pair(pixelSize, bold);
    auto at = fonts_.find(key);
    if (at == fonts_.end()) {
        QFont font = QGuiApplication::font();
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
        font.setBold(bold);
        at = fonts_.emplace(key, font).first;
    }
    return at->second;
}

const TextRun& TextRuns::Get(const String& text, double pixelSize, bool bold) {
    const auto at = runs_.find(std::make_tuple(pixelSize, bold, std::string_view(text)));
    if (at != runs_.end()) return at->second;
    if (runs_.size() >= kMostRuns) runs_.clear();

    const QFont& font = FontFor(pixelSize, bold);
    const QFontMetricsF metrics(font);
    const QString glyphs = QString::fromUtf8(text.data(), qsizetype(text.size()));
    TextRun run{.advance = metrics.horizontalAdvance(glyphs),
                .ink = metrics.boundingRect(glyphs),
                .runs = LaidOut(glyphs, font)};
    return runs_.emplace(std::make_tuple(pixelSize, bold, text), std::move(run)).first->second;
}

}  // namespace framework
