#pragma once
// A drawing surface: the bitmap of a picture, or a control while it paints. Lines are drawn
// with a pen of PenWidth by PenHeight pixels hanging right of and below the path; text and
// rectangles are drawn as shapes placed by their centre.
//
// A cleared area is written only where something is drawn over it, or when the surface is
// read or finished, and a translucent fill over an area known to be plain background is one
// solid fill of the colour it blends to: the pixels are those of clearing and blending.
//
// For tests a Graphics keeps, on request, a journal of its drawing calls with their arguments
// exactly as passed, so that geometry can be checked without depending on fonts.

#include <memory>
#include <vector>

#include "framework/color.h"
#include "framework/shapes.h"
#include "framework/text.h"

class QColor;
class QImage;
class QPainter;
class QRect;
class QRegion;

namespace framework {

class Picture;

struct DrawCall {
    enum class Kind { Line, Object, Picture, ClearRect };
    enum class Shape { None, Text, Rect };

    Kind kind = Kind::Line;
    // Line: the two ends. Object: the position passed (x1, y1). Picture: its origin (x1, y1).
    // ClearRect: left, top, width, height.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Shape shape = Shape::None;
    String text;
    Color fillColor;
    double fill = 0;
    bool bold = false;
    double textSize = 0;
    double width = 0, height = 0;  // of a rectangle
    double borderWidth = 0;
    int penWidth = 1, penHeight = 1;
    const Picture* picture = nullptr;
};

class Graphics {
public:
    // Draws into `image`, opening a painter on first use and keeping it until Flush(), so
    // that a long run of drawing calls costs one painter.
    explicit Graphics(QImage& image);
    // Draws through a painter that someone else owns, such as a widget's while it paints.
    Graphics(QPainter& painter, int width, int height);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    void DrawLine(int x1, int y1, int x2, int y2);
    void DrawObject(const Ref<Object2D>& shape, double x, double y);
    void DrawPicture(const Ref<Picture>& picture, int x, int y);
    void ClearRect(int x, int y, int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    int PenWidth = 1;
    int PenHeight = 1;
    Color ForeColor = kBlack;

    void StartJournal();
    void StopJournal();
    void ClearJournal() { journal_.clear(); }
    const std::vector<DrawCall>& Journal() const { return journal_; }

    // Writes what is pending and ends the painter on the bitmap, so that the bitmap can be
    // read or copied.
    void Flush();

    // For the framework: `area` is to hold `colour` before anything is drawn over it; it is
    // written when something is, or at Flush().
    void EraseLater(const QRegion& area, const QColor& colour);
    // Nothing of the surface has been written since it was erased.
    bool IsUnwritten() const;
    // Whether (x, y) is pending, and so holds the erase colour.
    bool IsPending(int x, int y) const;

private:
    QPainter& Painter();
    void PaintShape(const Object2D& shape, double x, double y);
    void PaintRect(const RectShape& rect, double x, double y);
    void PaintText(const StringShape& text, double x, double y);
    void Reveal(const QRect& area);
    void Covered(const QRect& area, bool opaque);
    void Record(DrawCall call);

    struct State;
    std::unique_ptr<State> state_;
    QImage* image_ = nullptr;
    QPainter* borrowed_ = nullptr;
    std::unique_ptr<QPainter> own_;
    int width_ = 0;
    int height_ = 0;
    bool journaling_ = false;
    std::vector<DrawCall> journal_;
};

}  // namespace framework
