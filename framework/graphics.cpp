#include "framework/graphics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <map>

#include "framework/picture.h"

namespace framework {
namespace {

QColor ToQColor(Color color, double opacityPercent) {
    const int alpha = static_cast<int>(std::lround(std::clamp(opacityPercent, 0.0, 100.0) * 2.55));
    return QColor(color.red, color.green, color.blue, alpha);
}

// Translucent fills are made in bands of 64 rows: the toolkit hands a taller fill to a thread
// pool, and waking its threads costs far more than the blending itself.
void FillRect(QPainter& painter, const QRectF& area, const QColor& color) {
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

// Fonts by size and weight, with their metrics: text is drawn a glyph at a time, so looking
// them up must cost next to nothing.
struct Graphics::FontCache {
    struct Entry {
        QFont font;
        QFontMetricsF metrics;
    };
    const Entry& Get(double size, bool bold) {
        const auto key = std::make_pair(size, bold);
        auto at = entries.find(key);
        if (at == entries.end()) {
            QFont font = QGuiApplication::font();
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
            font.setBold(bold);
            at = entries.emplace(key, Entry{font, QFontMetricsF(font)}).first;
        }
        return at->second;
    }
    std::map<std::pair<double, bool>, Entry> entries;
};

Graphics::Graphics(QImage& image)
    : fonts_(std::make_unique<FontCache>()),
      image_(&image),
      width_(image.width()),
      height_(image.height()) {}

Graphics::Graphics(QPainter& painter, int width, int height)
    : fonts_(std::make_unique<FontCache>()), borrowed_(&painter), width_(width), height_(height) {}

Graphics::~Graphics() { Flush(); }

QPainter& Graphics::Painter() {
    if (borrowed_) return *borrowed_;
    if (!own_) own_ = std::make_unique<QPainter>(image_);
    return *own_;
}

void Graphics::Flush() { own_.reset(); }

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
        painter.fillRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + pw,
                         std::abs(y2 - y1) + ph, color);
        return;
    }
    painter.save();
    painter.setPen(QPen(color, std::max(pw, ph)));
    painter.drawLine(QPointF(x1 + (pw - 1) / 2.0, y1 + (ph - 1) / 2.0),
                     QPointF(x2 + (pw - 1) / 2.0, y2 + (ph - 1) / 2.0));
    painter.restore();
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
    QPainter& painter = Painter();
    if (auto* text = dynamic_cast<const StringShape*>(&object)) {
        if (text->Text.empty()) return;
        const auto& font = fonts_->Get(text->TextSize, text->Bold);
        const QString glyphs = QString::fromUtf8(text->Text.data(), qsizetype(text->Text.size()));
        const double advance = font.metrics.horizontalAdvance(glyphs);
        painter.setFont(font.font);
        painter.setPen(ToQColor(text->FillColor, text->Fill));
        painter.drawText(QPointF(x - advance / 2.0, y), glyphs);
    } else if (auto* rect = dynamic_cast<const RectShape*>(&object)) {
        const QRectF area(x - rect->Width / 2.0, y - rect->Height / 2.0, rect->Width, rect->Height);
        FillRect(painter, area, ToQColor(rect->FillColor, rect->Fill));
        const double border = std::min({rect->BorderWidth, rect->Width / 2, rect->Height / 2});
        if (border > 0 && rect->Border > 0) {
            // The border lies inside the rectangle, so the shape never grows beyond its size.
            const QColor color = ToQColor(rect->BorderColor, rect->Border);
            painter.fillRect(QRectF(area.left(), area.top(), area.width(), border), color);
            painter.fillRect(QRectF(area.left(), area.bottom() - border, area.width(), border),
                             color);
            FillRect(painter,
                     QRectF(area.left(), area.top() + border, border, area.height() - 2 * border),
                     color);
            FillRect(painter,
                     QRectF(area.right() - border, area.top() + border, border,
                            area.height() - 2 * border),
                     color);
        }
    }
}

void Graphics::DrawPicture(const Ref<Picture>& picture, int x, int y) {
    Picture& source = *picture;
    if (journaling_) {
        DrawCall call{.kind = DrawCall::Kind::Picture, .x1 = double(x), .y1 = double(y)};
        call.picture = &source;
        Record(std::move(call));
    }
    if (source.IsBitmap() && source.IsBlank()) {
        Painter().fillRect(x, y, source.Width(), source.Height(), Qt::white);
        return;
    }
    if (source.IsBitmap()) {
        const QImage& image = source.Image();
        Painter().drawImage(QPoint(x, y), image);
        return;
    }
    if (!source.Transparent) {
        Painter().fillRect(x, y, source.Width(), source.Height(), Qt::white);
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
    Painter().fillRect(x, y, width, height, Qt::white);
}

}  // namespace framework
