#include "framework/graphics.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <cmath>
#include <map>

#include "framework/picture.h"
#include "framework/text_runs.h"

namespace framework {
namespace {

// Ink of antialiased glyphs may stray a pixel beyond their outlines.
constexpr int kInkMargin = 2;

QColor ToQColor(Color color, double opacityPercent) {
    const int alpha = static_cast<int>(std::lround(std::clamp(opacityPercent, 0.0, 100.0) * 2.55));
    return QColor(color.red, color.green, color.blue, alpha);
}

// The pixels that a fill of `area` covers: its edges rounded to whole pixels, as the toolkit's
// raster engine rounds them for a fill without antialiasing.
QRect FillFootprint(const QRectF& area) {
    int x1 = qRound(area.left()), y1 = qRound(area.top());
    int x2 = qRound(area.right()), y2 = qRound(area.bottom());
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

// Translucent fills are made in bands of 64 rows: the toolkit hands a taller fill to a thread
// pool, and waking its threads costs far more than the blending itself.
void FillInBands(QPainter& painter, const QRectF& area, const QColor& color) {
    constexpr double kBand = 64;
    if (color.alpha() == 255 || area.height() <= kBand) {
        painter.fillRect(area, color);
        return;
    }
    for (double top = area.top(); top < area.bottom(); top += kBand) {
        painter.fillRect(
            QRectF(area.left(), top, area.width(), std::min(kBand, area.bottom() - top)), color);
    }
}

}  // namespace

struct Graphics::State {
    explicit State(QRect surface) : bounds(surface) {}

    // `colour` blended over the erase colour, worked out once by the painter itself on a
    // pixel of the surface's own format, so that a solid fill of it gives the blend's pixels.
    QColor OverBackground(const QColor& colour, QImage::Format format) {
        const auto key = std::make_pair(colour.rgba(), int(format));
        auto at = blended.find(key);
        if (at == blended.end()) {
            QImage pixel(1, 1, format);
            pixel.fill(background);
            QPainter(&pixel).fillRect(QRect(0, 0, 1, 1), colour);
            at = blended.emplace(key, pixel.pixelColor(0, 0)).first;
        }
        return at->second;
    }

    QRect bounds;
    QRegion pending;  // holds `background` in name only: written when drawn over or flushed
    QRegion plain;    // known to hold `background` exactly, written or not
    QColor background = Qt::white;
    std::map<std::pair<QRgb, int>, QColor> blended;
    TextRuns text;
};

Graphics::Graphics(QImage& image)
    : state_(std::make_unique<State>(image.rect())),
      image_(&image),
      width_(image.width()),
      height_(image.height()) {}

Graphics::Graphics(QPainter& painter, int width, int height)
    : state_(std::make_unique<State>(QRect(0, 0, width, height))),
      borrowed_(&painter),
      width_(width),
      height_(height) {}

Graphics::~Graphics() { Flush(); }

QPainter& Graphics::Painter() {
    if (borrowed_) return *borrowed_;
    if (!own_) own_ = std::make_unique<QPainter>(image_);
    return *own_;
}

void Graphics::EraseLater(const QRegion& area, const QColor& colour) {
    if (colour != state_->background) {
        Flush();
        state_->plain = QRegion();
        state_->background = colour;
    }
    const QRegion within = area.intersected(state_->bounds);
    state_->pending += within;
    state_->plain += within;
}

bool Graphics::IsUnwritten() const { return state_->pending == QRegion(state_->bounds); }

bool Graphics::IsPending(int x, int y) const { return state_->pending.contains(QPoint(x, y)); }

void Graphics::Flush() {
    if (!state_->pending.isEmpty()) {
        QPainter& painter = Painter();
        for (const QRect& rect : state_->pending) painter.fillRect(rect, state_->background);
        state_->pending = QRegion();
    }
    own_.reset();
}

// Writes what is pending under `area`, before something is blended over it.
void Graphics::Reveal(const QRect& area) {
    if (!state_->pending.intersects(area)) return;
    const QRegion under = state_->pending.intersected(area);
    QPainter& painter = Painter();
    for (const QRect& rect : under) painter.fillRect(rect, state_->background);
    state_->pending -= under;
}

// `area` now holds what was drawn: nothing pending, no longer plain.
void Graphics::Covered(const QRect& area, bool opaque) {
    if (opaque && state_->pending.intersects(area)) state_->pending -= area;
    if (state_->plain.intersects(area)) state_->plain -= area;
}

void Graphics::StartJournal() { journaling_ = true; }
void Graphics::StopJournal() { journaling_ = false; }

void Graphics::Record(DrawCall call) {
    if (journaling_) journal_.push_back(std::move(call));
}

void Graphics::DrawLine(int x1, int y1, int x2, int y2) {
    if (journaling_) {
        DrawCall call{.kind = DrawCall::Kind::Line,
                      .x1 = double(x1),
                      .y1 = double(y1),
                      .x2 = double(x2),
                      .y2 = double(y2)};
        call.penWidth = PenWidth;
        call.penHeight = PenHeight;
        Record(std::move(call));
    }
    QPainter& painter = Painter();
    const QColor color = ToQColor(ForeColor, 100);
    const int pw = std::max(PenWidth, 1);
    const int ph = std::max(PenHeight, 1);
    if (x1 == x2 || y1 == y2) {
        // A straight stroke covers exactly the pen's footprint swept along it.
        const QRect stroke(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + pw,
                           std::abs(y2 - y1) + ph);
        painter.fillRect(stroke, color);
        Covered(stroke, true);
        return;
    }
    const QRect reach = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                              QPoint(std::max(x1, x2), std::max(y1, y2)))
                            .adjusted(-pw - 1, -ph - 1, pw + 1, ph + 1);
    Reveal(reach);
    painter.save();
    painter.setPen(QPen(color, std::max(pw, ph)));
    painter.drawLine(QPointF(x1 + (pw - 1) / 2.0, y1 + (ph - 1) / 2.0),
                     QPointF(x2 + (pw - 1) / 2.0, y2 + (ph - 1) / 2.0));
    painter.restore();
    Covered(reach, false);
}

void Graphics::DrawObject(const Ref<Object2D>& shape, double x, double y) {
    const Object2D& object = *shape;
    if (journaling_) {
        DrawCall call{.kind = DrawCall::Kind::Object, .x1 = x, .y1 = y};
        call.fillColor = object.FillColor;
        call.fill = object.Fill;
        call.borderWidth = object.BorderWidth;
        if (auto* text = dynamic_cast<const StringShape*>(&object)) {
            call.shape = DrawCall::Shape::Text;
            call.text = text->Text;
            call.bold = text->Bold;
            call.textSize = text->TextSize;
        } else if (auto* rect = dynamic_cast<const RectShape*>(&object)) {
            call.shape = DrawCall::Shape::Rect;
            call.width = rect->Width;
            call.height = rect->Height;
        }
        Record(std::move(call));
    }
    PaintShape(object, x + object.X, y + object.Y);
}

void Graphics::PaintShape(const Object2D& object, double x, double y) {
    if (auto* text = dynamic_cast<const StringShape*>(&object)) PaintText(*text, x, y);
    if (auto* rect = dynamic_cast<const RectShape*>(&object)) PaintRect(*rect, x, y);
}

void Graphics::PaintText(const StringShape& text, double x, double y) {
    if (text.Text.empty()) return;
    const TextRun run = state_->text.Get(text.Text, text.TextSize, text.Bold);
    const QPointF origin(x - run.advance / 2.0, y);
    const QRect ink = run.ink.translated(origin).toAlignedRect().adjusted(-kInkMargin, -kInkMargin,
                                                                          kInkMargin, kInkMargin);
    Reveal(ink);
    QPainter& painter = Painter();
    painter.setPen(ToQColor(text.FillColor, text.Fill));
    for (const QGlyphRun& glyphs : run.runs) painter.drawGlyphRun(origin, glyphs);
    Covered(ink, false);
}

void Graphics::PaintRect(const RectShape& rect, double x, double y) {
    QPainter& painter = Painter();
    const QRectF area(x - rect.Width / 2.0, y - rect.Height / 2.0, rect.Width, rect.Height);
    const QRect footprint = FillFootprint(area).intersected(state_->bounds);
    const QColor fill = ToQColor(rect.FillColor, rect.Fill);
    const double border = std::min({rect.BorderWidth, rect.Width / 2, rect.Height / 2});
    const bool bordered = border > 0 && rect.Border > 0;

    if (!bordered && fill.alpha() == 0) return;  // leaves every pixel as it is
    if (!bordered && image_ && fill.alpha() < 255 && !footprint.isEmpty() &&
        (QRegion(footprint) - state_->plain).isEmpty()) {
        painter.fillRect(area, state_->OverBackground(fill, image_->format()));
        Covered(footprint, true);
        return;
    }
    if (!bordered && fill.alpha() == 255) {
        painter.fillRect(area, fill);
        Covered(footprint, true);
        return;
    }
    Reveal(footprint);
    FillInBands(painter, area, fill);
    if (bordered) {
        // The border lies inside the rectangle, so the shape never grows beyond its size.
        const QColor color = ToQColor(rect.BorderColor, rect.Border);
        painter.fillRect(QRectF(area.left(), area.top(), area.width(), border), color);
        painter.fillRect(QRectF(area.left(), area.bottom() - border, area.width(), border), color);
        FillInBands(painter,
                    QRectF(area.left(), area.top() + border, border, area.height() - 2 * border),
                    color);
        FillInBands(
            painter,
            QRectF(area.right() - border, area.top() + border, border, area.height() - 2 * border),
            color);
    }
    Covered(footprint, false);
}

void Graphics::DrawPicture(const Ref<Picture>& picture, int x, int y) {
    Picture& source = *picture;
    if (journaling_) {
        DrawCall call{.kind = DrawCall::Kind::Picture, .x1 = double(x), .y1 = double(y)};
        call.picture = &source;
        Record(std::move(call));
    }
    const QRect area = QRect(x, y, source.Width(), source.Height()).intersected(state_->bounds);
    if (source.IsBitmap()) {
        // A bitmap is opaque: nothing beneath it needs writing.
        if (source.IsBlank()) {
            Painter().fillRect(QRect(x, y, source.Width(), source.Height()), Qt::white);
        } else {
            Painter().drawImage(QPoint(x, y), source.Image());
        }
        Covered(area, true);
        return;
    }
    if (!source.Transparent) {
        Painter().fillRect(QRect(x, y, source.Width(), source.Height()), Qt::white);
        Covered(area, true);
    }
    for (const auto& shape : source.Objects().Items())
        PaintShape(*shape, x + shape->X, y + shape->Y);
}

void Graphics::ClearRect(int x, int y, int width, int height) {
    Record({.kind = DrawCall::Kind::ClearRect,
            .x1 = double(x),
            .y1 = double(y),
            .x2 = double(width),
            .y2 = double(height)});
    EraseLater(QRegion(FillFootprint(QRectF(x, y, width, height))), Qt::white);
}

}  // namespace framework
