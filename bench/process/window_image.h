#pragma once
// What the start-up driver looks for in a window's pixels: whether anything is drawn at all,
// and whether the entry sheet's long-division bracket is.

#include <cstdint>
#include <optional>
#include <span>

namespace startup {

// A window's pixels as the X server sends a 24- or 32-bit window in Z format on a little-endian
// screen: one 32-bit word a pixel, row after row, the colour in the low 24 bits.
struct WindowImage {
    std::span<const std::uint32_t> pixels;
    int width = 0;
    int height = 0;
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool Intersects(const PixelRect& other) const {
        return x < other.x + other.width && other.x < x + width && y < other.y + other.height &&
               other.y < y + height;
    }
    bool operator==(const PixelRect&) const = default;
};

// The bracket's stroke is drawn 2 pixels wide and 27 tall under its bar; a little less is
// asked for so that a sheet a pixel or two shorter still counts.
constexpr int kStrokeWidth = 2;
constexpr int kStrokeMinHeight = 25;

// One colour everywhere: what a window shows before anybody has drawn into it.
bool IsUniform(const WindowImage& image);

// The first place where two neighbouring columns are pure black for at least kStrokeMinHeight
// rows with no black on either side, as the bracket's stroke is; text, the bar and the black
// of a wider shape are not.
std::optional<PixelRect> FindBracketStroke(const WindowImage& image);

}  // namespace startup
