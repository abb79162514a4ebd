#pragma once
// The arithmetic of one subtraction step, on digit texts as the worksheet holds them.

#include <cstdint>

#include "framework/text.h"

namespace core {

struct StepResult {
    std::int32_t dividend = 0;  // the partial dividend's value
    std::int32_t quotient = 0;  // one digit, as every partial dividend stays below 10 x divisor
    std::int32_t product = 0;
    std::int32_t remainder = 0;
};

// `divided` and `divider` are read as numbers and converted to Int32; the quotient is their
// Double quotient truncated. A divisor that reads below 1 gives quotient 0 and the whole
// partial dividend as remainder rather than dividing by zero.
StepResult ComputeStep(std::string_view divided, std::string_view divider);
StepResult ComputeStep(std::int32_t dividend, std::int32_t divisor);

// "12 * 1 + 3 = 15": divisor text, quotient digit, remainder and partial dividend.
framework::String CheckEquation(const framework::String& divider, std::int32_t divided);

}  // namespace core
