#include "framework/text_runs.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTextLayout>
#include <cmath>

namespace framework {
namespace {

// Texts are few and short; a program that draws ever new ones starts a face's cache afresh.
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

TextRuns::Face& TextRuns::FaceFor(double pixelSize, bool bold) {
    const auto key = std::make_pair(pixelSize, bold);
    auto at = faces_.find(key);
    if (at == faces_.end()) {
        QFont font = QGuiApplication::font();
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
        font.setBold(bold);
        at = faces_.emplace(key, Face{.font = font}).first;
    }
    return at->second;
}

TextRun TextRuns::Get(std::string_view text, double pixelSize, bool bold) {
    Face& face = FaceFor(pixelSize, bold);
    if (const auto at = face.runs.find(text); at != face.runs.end()) return at->second;
    if (face.runs.size() >= kMostRuns) face.runs.clear();

    const QFontMetricsF metrics(face.font);
    const QString glyphs = QString::fromUtf8(text.data(), qsizetype(text.size()));
    TextRun run{.advance = metrics.horizontalAdvance(glyphs),
                .ink = metrics.boundingRect(glyphs),
                .runs = LaidOut(glyphs, face.font)};
    face.runs.emplace(String(text), run);
    return run;
}

}  // namespace framework
