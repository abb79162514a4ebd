#include "core/decimal_point.h"

namespace core {

using namespace framework;

namespace {

bool HoldsPoint(const String& text) { return InStr(0, text, ".") > 0; }
bool ReadsAsZero(const String& text) { return Val(text) == 0; }

// 3.000 -> 3, 5. -> 5, .5 -> 0.5, .010 -> 0.01, 2.50 -> 2.5
void TidyUp(String& number) {
    if (!HoldsPoint(number)) return;
    const String integer = NthField(number, ".", 1);
    String fraction = NthField(number, ".", 2);
    if (ReadsAsZero(fraction)) {
        number = integer;
        return;
    }
    while (Right(fraction, 1) == "0") fraction = Left(fraction, Len(fraction) - 1);
    number = (ReadsAsZero(integer) ? String("0") : integer) + "." + fraction;
}

void ShiftPoints(String& divider, String& divided) {
    if (!HoldsPoint(divider)) return;
    const String fraction = NthField(divider, ".", 2);
    const std::int32_t n = Len(fraction);
    divider = NthField(divider, ".", 1) + fraction;

    if (!HoldsPoint(divided)) {
        for (std::int32_t i = 0; i < n; ++i) divided += "0";
        return;
    }
    String digits = NthField(divided, ".", 1);
    String decimals = NthField(divided, ".", 2);
    const std::int32_t k = n - Len(decimals);
    if (k >= 0) {
        divided = digits + decimals;
        for (std::int32_t i = 0; i < k; ++i) divided += "0";
        return;
    }
    for (std::int32_t i = 0; i < n; ++i) {
        digits += Left(decimals, 1);
        decimals = Mid(decimals, 2, Len(decimals) - 1);
    }
    divided = digits + "." + decimals;
}

}  // namespace

void NormaliseDecimalPoints(String& divider, String& divided) {
    TidyUp(divided);
    TidyUp(divider);
    ShiftPoints(divider, divided);
    while (Left(divider, 1) == "0") divider = Mid(divider, 2, Len(divider) - 1);
}

}  // namespace core
