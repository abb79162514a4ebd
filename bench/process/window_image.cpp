#include "bench/process/window_image.h"

namespace startup {

namespace {

constexpr std::uint32_t kColourBits = 0xFFFFFF;

bool IsBlack(const WindowImage& image, int x, int y) {
    if (x < 0 || x >= image.width) return false;
    return (image.pixels[static_cast<std::size_t>(y) * image.width + x] & kColourBits) == 0;
}

// Row y of a stroke whose left column is x: black across its width, not black beside it.
bool IsStrokeRow(const WindowImage& image, int x, int y) {
    if (y < 0) return false;
    for (int i = 0; i < kStrokeWidth; ++i) {
        if (!IsBlack(image, x + i, y)) return false;
    }
    return !IsBlack(image, x - 1, y) && !IsBlack(image, x + kStrokeWidth, y);
}

}  // namespace

// Both looks run while the driver reads no events, so they stay a plain pass over the pixels.

bool IsUniform(const WindowImage& image) {
    if (image.pixels.empty()) return true;
    const std::uint32_t first = image.pixels.front();
    for (std::size_t row = 0; row < image.pixels.size(); row += image.width) {
        std::uint32_t differences = 0;
        for (std::size_t i = row; i < row + image.width; ++i)
            differences |= image.pixels[i] ^ first;
        if (differences & kColourBits) return false;
    }
    return true;
}

std::optional<PixelRect> FindBracketStroke(const WindowImage& image) {
    for (int y = 0; y + kStrokeMinHeight <= image.height; ++y) {
        const std::uint32_t* row = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
        for (int x = 0; x + kStrokeWidth <= image.width; ++x) {
            if (row[x] & kColourBits) continue;
            // Measured from the top of a run only.
            if (!IsStrokeRow(image, x, y) || IsStrokeRow(image, x, y - 1)) continue;
            int bottom = y + 1;
            while (bottom < image.height && IsStrokeRow(image, x, bottom)) ++bottom;
            if (bottom - y >= kStrokeMinHeight)
                return PixelRect{.x = x, .y = y, .width = kStrokeWidth, .height = bottom - y};
        }
    }
    return std::nullopt;
}

}  // namespace startup
