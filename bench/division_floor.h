#pragma once
// The floor a division is measured against: the least drawing that leaves a bitmap pixel for
// pixel the same as the program's, worked out from the program's own journal of the division,
// and the least painting that puts that bitmap on screen.

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QWidget>
#include <vector>

#include "framework/graphics.h"
#include "framework/text_runs.h"

namespace bench {

// How the floor draws its characters: through the painter's text call as the program does, or
// from glyph runs laid out beforehand.
enum class TextRoute { DrawText, GlyphRuns };

class DrawingFloor {
public:
    // From the journal of a whole division into a fresh 1000 by 800 bitmap. Aborts when the
    // journal holds something the floor does not know how to draw with less work.
    explicit DrawingFloor(const std::vector<framework::DrawCall>& calls);

    void Draw(QImage& bitmap, TextRoute route) const;

    int Fills() const;
    int Texts() const;

private:
    struct Step {
        enum class Kind { Fill, Text };
        Kind kind = Kind::Fill;
        QColor colour;
        QRect area;  // of a fill
        // A text: where drawText puts it, in which of fonts_, and the same as glyph runs.
        QPointF origin;
        QString text;
        std::size_t font = 0;
        QList<QGlyphRun> runs;
    };

    void AddBackground(const QImage& background);
    void AddLine(const framework::DrawCall& call);
    void AddText(const framework::DrawCall& call);

    std::vector<QFont> fonts_;
    framework::TextRuns layouts_;
    std::vector<Step> steps_;
};

// An opaque top-level window of the worksheet canvas's size that paints one bitmap and nothing
// else, with no other widget in it.
class FloorScreen final : public QWidget {
public:
    FloorScreen();

    QImage bitmap;
    // Paints the window now, once, and returns when the paint has reached the backing store.
    void Show();

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace bench
