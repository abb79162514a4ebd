#pragma once

#include <algorithm>
#include <cstdint>

namespace framework {

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(Color, Color) = default;
};

constexpr Color RGB(int red, int green, int blue) {
    auto channel = [](int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); };
    return {channel(red), channel(green), channel(blue)};
}

inline constexpr Color kBlack = RGB(0, 0, 0);
inline constexpr Color kWhite = RGB(255, 255, 255);

}  // namespace framework
