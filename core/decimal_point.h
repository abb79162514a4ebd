#pragma once
// Moving decimal points so that the divisor is a whole number: both points move right by the
// divisor's number of decimals, after each number has been tidied (trailing zeros of a fraction
// dropped, a zero fraction dropped with its point, a missing integer part written as "0").
// Texts stay texts throughout, so no digit is rounded.

#include "framework/text.h"

namespace core {

// Rewrites the two texts in place. On return the divisor holds digits only, without leading
// zeros; the dividend holds digits and at most one point and may begin with "0" (0.5 / 0.25
// becomes 050 / 25). Texts with several points use the digits up to their second point.
void NormaliseDecimalPoints(framework::String& divider, framework::String& divided);

}  // namespace core
