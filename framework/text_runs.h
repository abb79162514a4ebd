#pragma once
// Texts laid out once and kept as glyph runs: the worksheet draws the same few characters
// hundreds of times, and drawing a ready run skips the shaping that a text call repeats each
// time, while putting the very same pixels on the surface. Private to the framework.

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QRectF>
#include <map>

#include "framework/text.h"

namespace framework {

struct TextRun {
    double advance = 0;     // the text's horizontal advance, by which it is centred
    QRectF ink;             // where its glyphs may leave ink, from its origin on the baseline
    QList<QGlyphRun> runs;  // positioned from that origin
};

class TextRuns {
public:
    // The text in the application's font at `pixelSize`, bold or not. A copy: the cache may
    // start afresh at the next call, and the runs it shares are counted references.
    TextRun Get(std::string_view text, double pixelSize, bool bold);

private:
    // One size and weight of the application's font, with the texts laid out in it; found
    // without copying the text, as the worksheet asks for a run for every character it draws.
    struct Face {
        QFont font;
        std::map<String, TextRun, std::less<>> runs;
    };
    Face& FaceFor(double pixelSize, bool bold);

    std::map<std::pair<double, bool>, Face> faces_;
};

}  // namespace framework
