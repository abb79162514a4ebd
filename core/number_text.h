#pragma once

#include <cstdint>

#include "framework/text.h"

namespace core {

// The most characters a number may have: what the entry sheet's fields take.
inline constexpr std::int32_t kLongestNumber = 7;

// The digits of `text` and its first point, in order; everything else left out.
framework::String DigitsAndFirstPoint(std::string_view text);

}  // namespace core
