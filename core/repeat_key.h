#pragma once
// How the division run tells that its decimal digits repeat. Each decimal step leaves a key in
// the worksheet's list of remainders: its partial dividend, which already ends in the zero
// brought down, then "0-"; once the step is worked, its product, "=", its remainder and "0".
// A step with partial dividend 10, product 9 and remainder 1 leaves "100-9=10". Keys are
// compared as whole texts: equal keys mean equal remainders, so the digits between the two
// steps are one period. Element 0 of the list says instead where the decimal part starts, as
// "column,row" ("3,3").

#include <cstdint>

#include "framework/text.h"

namespace core {

// The key's first half, made before the step.
framework::String RepeatKeyOpening(const framework::String& partialDividend);
// Its second half, added once the step has its product and remainder.
framework::String RepeatKeyClosing(const framework::String& product,
                                   const framework::String& remainder);

framework::String DecimalStart(std::int32_t column, std::int32_t row);
// The column of a decimal start; 0 for a text that names none.
std::int32_t DecimalStartColumn(const framework::String& start);

}  // namespace core
