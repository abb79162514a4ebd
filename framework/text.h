#pragma once
// The text routines the program is written against. Positions count characters from 1, as the
// program's arithmetic on digit strings expects; texts are UTF-8 and a character is a code point.
// Every routine is total: no argument, however odd, reads or writes outside the text.

#include <cstdint>
#include <string>
#include <string_view>

namespace framework {

using String = std::string;

// The leading number of a text as a Double: leading blanks skipped, then an optional sign, digits
// with at most one point and an optional exponent. 0 for "", "." and anything without a number.
double Val(std::string_view text);

// Plain decimal digits of an integer, with a "-" for a negative one.
String Str(std::int64_t value);

std::int32_t Len(std::string_view text);
String Left(std::string_view text, std::int32_t count);
String Right(std::string_view text, std::int32_t count);
// Characters from `start` (1-based; below 1 reads as 1) on, `count` of them or to the end.
String Mid(std::string_view text, std::int32_t start, std::int32_t count);
String Mid(std::string_view text, std::int32_t start);

// 1-based position of the first `find` in `text` at or after `start` (0 and 1 both mean the
// whole text); 0 when absent or when `find` is empty.
std::int32_t InStr(std::int32_t start, std::string_view text, std::string_view find);
std::int32_t InStr(std::string_view text, std::string_view find);

// Field n (from 1) of `text` split at `separator`; empty past the last field or for n < 1.
String NthField(std::string_view text, std::string_view separator, std::int32_t n);

// Every `find` replaced; an empty `find` leaves the text as it is.
String ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);

// Double to Int32 toward zero, as the program's conversions expect. Values beyond the Int32
// range saturate and NaN gives 0, so the conversion is defined for every Double.
std::int32_t Trunc(double value);

}  // namespace framework
