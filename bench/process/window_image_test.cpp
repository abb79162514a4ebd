// The driver's two looks at a window: a wrong answer here moves every start-up time it reports.

#include "bench/process/window_image.h"

#include <gtest/gtest.h>

#include <vector>

namespace startup {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

struct Canvas {
    int width = 60;
    int height = 50;
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(60 * 50, kWhite);

    void Fill(PixelRect rect, std::uint32_t colour) {
        for (int y = rect.y; y < rect.y + rect.height; ++y) {
            for (int x = rect.x; x < rect.x + rect.width; ++x) pixels[y * width + x] = colour;
        }
    }
    WindowImage Image() const { return {.pixels = pixels, .width = width, .height = height}; }
};

TEST(WindowImageTest, OneColourUntilAnyPixelDiffers) {
    Canvas canvas;
    EXPECT_TRUE(IsUniform(canvas.Image()));
    // A 32-bit window's alpha byte is no colour.
    canvas.pixels[0] = 0xFF000000 | kWhite;
    EXPECT_TRUE(IsUniform(canvas.Image()));
    canvas.pixels.back() = 0xFEFEFE;
    EXPECT_FALSE(IsUniform(canvas.Image()));
}

// The sheet's bracket as drawn: a 2-pixel bar with the stroke hanging from its left end.
const PixelRect kBar{.x = 20, .y = 5, .width = 30, .height = 2};
const PixelRect kStroke{.x = 20, .y = 7, .width = 2, .height = 27};

TEST(WindowImageTest, FindsTheBracketsStrokeAlone) {
    struct Case {
        const char* name;
        std::vector<std::pair<PixelRect, std::uint32_t>> drawn;
        std::optional<PixelRect> found;
    };
    const Case cases[] = {
        {"blank", {}, std::nullopt},
        {"bracket", {{kBar, kBlack}, {kStroke, kBlack}}, kStroke},
        {"stroke without bar", {{kStroke, kBlack}}, kStroke},
        {"shortest stroke", {{{5, 10, 2, 25}, kBlack}}, PixelRect{5, 10, 2, 25}},
        {"too short", {{{5, 10, 2, 24}, kBlack}}, std::nullopt},
        {"one pixel wide", {{{5, 10, 1, 40}, kBlack}}, std::nullopt},
        {"three pixels wide", {{{5, 10, 3, 40}, kBlack}}, std::nullopt},
        {"against the left edge", {{{0, 0, 2, 50}, kBlack}}, PixelRect{0, 0, 2, 50}},
        {"against the right edge", {{{58, 3, 2, 30}, kBlack}}, PixelRect{58, 3, 2, 30}},
        {"almost black", {{kStroke, 0x010000}}, std::nullopt},
        {"on grey", {{{0, 0, 60, 50}, 0xEFEFEF}, {kStroke, kBlack}}, kStroke},
        {"opaque black", {{kStroke, 0xFF000000}}, kStroke},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas;
        for (const auto& [rect, colour] : c.drawn) canvas.Fill(rect, colour);
        EXPECT_EQ(FindBracketStroke(canvas.Image()), c.found);
    }
}

}  // namespace
}  // namespace startup
