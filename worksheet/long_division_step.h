#pragma once

#include <cstdint>

namespace worksheet {

// What one subtraction step of a division leaves behind, for showing the step again later.
class LongDivisionStep {
public:
    std::int32_t row = 0;      // row of the step's remainder; its partial dividend is on row - 2
    std::int32_t col = 0;      // column of its quotient digit, where all its numbers end
    std::int32_t length = 0;   // digits of the partial dividend, leading zeros not counted
    std::int32_t divided = 0;  // the partial dividend
    bool IsEndRepeat = false;  // the last step of a repeating decimal
    std::int32_t colRepeat = 0;
};

}  // namespace worksheet
