#include "support/journal_replay.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace testsupport {

using framework::DrawCall;

namespace {

std::string Exact(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// Names in the order the enumerators are declared.
const char* KindName(DrawCall::Kind kind) {
    constexpr const char* kNames[] = {"line", "object", "picture", "clear"};
    return kNames[static_cast<int>(kind)];
}

const char* ShapeName(DrawCall::Shape shape) {
    constexpr const char* kNames[] = {"-", "text", "rect"};
    return kNames[static_cast<int>(shape)];
}

QColor Translucent(framework::Color color, double opacityPercent) {
    const auto alpha = std::lround(std::clamp(opacityPercent, 0.0, 100.0) * 2.55);
    return QColor(color.red, color.green, color.blue, static_cast<int>(alpha));
}

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

void Line(QPainter& painter, const DrawCall& call) {
    if (call.x1 != call.x2 && call.y1 != call.y2) {
        throw std::invalid_argument("a slanted line on a worksheet bitmap");
    }
    const int left = static_cast<int>(std::min(call.x1, call.x2));
    const int top = static_cast<int>(std::min(call.y1, call.y2));
    const int width = static_cast<int>(std::abs(call.x2 - call.x1)) + std::max(call.penWidth, 1);
    const int height = static_cast<int>(std::abs(call.y2 - call.y1)) + std::max(call.penHeight, 1);
    painter.fillRect(left, top, width, height, Qt::black);
}

void Rect(QPainter& painter, const DrawCall& call) {
    const QRectF area(call.x1 - call.width / 2, call.y1 - call.height / 2, call.width, call.height);
    FillInBands(painter, area, Translucent(call.fillColor, call.fill));
    const double border = std::min({call.borderWidth, call.width / 2, call.height / 2});
    if (border <= 0) return;
    const double inner = area.height() - 2 * border;
    painter.fillRect(QRectF(area.left(), area.top(), area.width(), border), Qt::black);
    painter.fillRect(QRectF(area.left(), area.bottom() - border, area.width(), border), Qt::black);
    painter.fillRect(QRectF(area.left(), area.top() + border, border, inner), Qt::black);
    painter.fillRect(QRectF(area.right() - border, area.top() + border, border, inner), Qt::black);
}

void Text(QPainter& painter, const DrawCall& call) {
    if (call.text.empty()) return;
    QFont font = QGuiApplication::font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(call.textSize))));
    font.setBold(call.bold);
    const QString text = QString::fromStdString(call.text);
    const double advance = QFontMetricsF(font).horizontalAdvance(text);
    painter.setFont(font);
    painter.setPen(Translucent(call.fillColor, call.fill));
    painter.drawText(QPointF(call.x1 - advance / 2, call.y1), text);
}

}  // namespace

std::string JournalText(const std::vector<DrawCall>& calls) {
    std::string text;
    for (const DrawCall& c : calls) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", c.fillColor.red, c.fillColor.green,
                      c.fillColor.blue);
        text += std::string(KindName(c.kind)) + ' ' + Exact(c.x1) + ' ' + Exact(c.y1) + ' ' +
                Exact(c.x2) + ' ' + Exact(c.y2) + ' ' + ShapeName(c.shape) + " \"" + c.text +
                "\" " + colour + " fill " + Exact(c.fill) + (c.bold ? " bold" : " plain") +
                " size " + Exact(c.textSize) + " rect " + Exact(c.width) + 'x' + Exact(c.height) +
                " border " + Exact(c.borderWidth) + " pen " + std::to_string(c.penWidth) + 'x' +
                std::to_string(c.penHeight) + '\n';
    }
    return text;
}

std::string Digest(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char byte : text) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

QImage ReplayJournal(const std::vector<DrawCall>& calls, int width, int height) {
    QImage image(width, height, QImage::Format_RGB16);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const DrawCall& call : calls) {
        switch (call.kind) {
            case DrawCall::Kind::ClearRect:
                painter.fillRect(static_cast<int>(call.x1), static_cast<int>(call.y1),
                                 static_cast<int>(call.x2), static_cast<int>(call.y2), Qt::white);
                break;
            case DrawCall::Kind::Line:
                Line(painter, call);
                break;
            case DrawCall::Kind::Object:
                if (call.shape == DrawCall::Shape::Rect) Rect(painter, call);
                if (call.shape == DrawCall::Shape::Text) Text(painter, call);
                break;
            case DrawCall::Kind::Picture:
                throw std::invalid_argument("a picture drawn into a worksheet bitmap");
        }
    }
    return image;
}

std::string PixelDifference(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size() || actual.format() != expected.format()) {
        return "bitmaps of different size or format";
    }
    long differing = 0;
    std::string first;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            if (a == e) continue;
            if (differing++ == 0) {
                char at[96];
                std::snprintf(at, sizeof at, "first at (%d, %d): #%06x where #%06x is expected", x,
                              y, a & 0xFFFFFF, e & 0xFFFFFF);
                first = at;
            }
        }
    }
    if (differing == 0) return "";
    return std::to_string(differing) + " pixels differ, " + first;
}

}  // namespace testsupport
