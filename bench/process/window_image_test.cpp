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

struct StrokeCase {
    const char* name;
    std::vector<std::pair<PixelRect, std::uint32_t>> drawn;
    std::optional<PixelRect> found;
};

class BracketStrokeTest : public testing::TestWithParam<StrokeCase> {};

TEST_P(BracketStrokeTest, FindsTheStrokeAlone) {
    Canvas canvas;
    for (const auto& [rect, colour] : GetParam().drawn) canvas.Fill(rect, colour);
    EXPECT_EQ(FindBracketStroke(canvas.Image()), GetParam().found);
}

// The sheet's bracket as drawn: a 2-pixel bar with the stroke hanging from its left end.
const PixelRect kBar{.x = 20, .y = 5, .width = 30, .height = 2};
const PixelRect kStroke{.x = 20, .y = 7, .width = 2, .height = 27};

INSTANTIATE_TEST_SUITE_P(
    Drawings, BracketStrokeTest,
    testing::Values(
        StrokeCase{"Blank", {}, std::nullopt},
        StrokeCase{"Bracket", {{kBar, kBlack}, {kStroke, kBlack}}, kStroke},
        StrokeCase{"StrokeWithoutBar", {{kStroke, kBlack}}, kStroke},
        StrokeCase{"ShortestStroke", {{{5, 10, 2, 25}, kBlack}}, PixelRect{5, 10, 2, 25}},
        StrokeCase{"TooShort", {{{5, 10, 2, 24}, kBlack}}, std::nullopt},
        StrokeCase{"OnePixelWide", {{{5, 10, 1, 40}, kBlack}}, std::nullopt},
        StrokeCase{"ThreePixelsWide", {{{5, 10, 3, 40}, kBlack}}, std::nullopt},
        StrokeCase{"AgainstTheLeftEdge", {{{0, 0, 2, 50}, kBlack}}, PixelRect{0, 0, 2, 50}},
        StrokeCase{"AgainstTheRightEdge", {{{58, 3, 2, 30}, kBlack}}, PixelRect{58, 3, 2, 30}},
        StrokeCase{"AlmostBlack", {{kStroke, 0x010000}}, std::nullopt},
        StrokeCase{"OnGrey", {{{0, 0, 60, 50}, 0xEFEFEF}, {kStroke, kBlack}}, kStroke},
        StrokeCase{"OpaqueBlack", {{kStroke, 0xFF000000}}, kStroke}),
    [](const testing::TestParamInfo<StrokeCase>& info) { return info.param.name; });

}  // namespace
}  // namespace startup
