#include "core/step_arithmetic.h"

namespace core {

using namespace framework;

StepResult ComputeStep(std::string_view divided, std::string_view divider) {
    return ComputeStep(Trunc(Val(divided)), Trunc(Val(divider)));
}

StepResult ComputeStep(std::int32_t dividend, std::int32_t b) {
    StepResult step;
    step.dividend = dividend;
    if (b < 1) {
        step.remainder = step.dividend;
        return step;
    }
    step.quotient = Trunc(static_cast<double>(step.dividend) / static_cast<double>(b));
    step.product = static_cast<std::int32_t>(static_cast<std::int64_t>(step.quotient) * b);
    step.remainder = step.dividend % b;
    return step;
}

String CheckEquation(const String& divider, std::int32_t divided) {
    const StepResult step = ComputeStep(divided, Trunc(Val(divider)));
    return divider + " * " + Str(step.quotient) + " + " + Str(step.remainder) + " = " +
           Str(divided);
}

}  // namespace core
