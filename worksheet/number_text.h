#pragma once

#include "framework/text.h"

namespace worksheet {

// The digits of `text` and its first point, in order; everything else left out.
framework::String DigitsAndFirstPoint(std::string_view text);

}  // namespace worksheet
