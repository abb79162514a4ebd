#pragma once
// The worksheet's rows by what they hold. Rows count from 1; the message band above row 1 is
// no row.

#include <cstdint>

namespace worksheet {

inline constexpr std::int32_t kQuotientRow = 1;   // quotient digits, under their click targets
inline constexpr std::int32_t kProblemRow = 2;    // the divisor, the bracket, the dividend
inline constexpr std::int32_t kFirstWorkRow = 3;  // the first product; remainders below it

}  // namespace worksheet
