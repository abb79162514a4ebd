#include "framework/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace framework {
namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Byte offset of character `index` (0-based); text.size() when the text is shorter.
std::size_t ByteOffset(std::string_view text, std::int64_t index) {
    std::size_t offset = 0;
    for (std::int64_t seen = 0; offset < text.size(); ++offset) {
        if (IsContinuationByte(text[offset]) && offset != 0) continue;
        if (seen++ == index) return offset;
    }
    return text.size();
}

}  // namespace

double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            end = j;
        }
    }
    std::string_view number = text.substr(start, end - start);
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-') number.remove_prefix(1);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) value = std::numeric_limits<double>::infinity();
    (void)ptr;
    return negative ? -value : value;
}

String Str(std::int64_t value) { return std::to_string(value); }

std::int32_t Len(std::string_view text) {
    const auto count =
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); });
    const bool strayLead = !text.empty() && IsContinuationByte(text.front());
    return static_cast<std::int32_t>(std::min<std::int64_t>(
        count + (strayLead ? 1 : 0), std::numeric_limits<std::int32_t>::max()));
}

String Left(std::string_view text, std::int32_t count) {
    if (count <= 0) return {};
    return String(text.substr(0, ByteOffset(text, count)));
}

String Right(std::string_view text, std::int32_t count) {
    const std::int32_t length = Len(text);
    if (count <= 0) return {};
    if (count >= length) return String(text);
    return String(text.substr(ByteOffset(text, length - count)));
}

String Mid(std::string_view text, std::int32_t start, std::int32_t count) {
    if (count < 0) return Mid(text, start);
    const std::int64_t first = std::max<std::int64_t>(start, 1) - 1;
    const std::size_t from = ByteOffset(text, first);
    const std::size_t to = ByteOffset(text, first + count);
    return String(text.substr(from, to - from));
}

String Mid(std::string_view text, std::int32_t start) {
    const std::int64_t first = std::max<std::int64_t>(start, 1) - 1;
    return String(text.substr(ByteOffset(text, first)));
}

std::int32_t InStr(std::int32_t start, std::string_view text, std::string_view find) {
    if (find.empty()) return 0;
    const std::size_t from = ByteOffset(text, std::max<std::int64_t>(start, 1) - 1);
    const std::size_t at = text.find(find, from);
    if (at == std::string_view::npos) return 0;
    return Len(text.substr(0, at)) + 1;
}

std::int32_t InStr(std::string_view text, std::string_view find) { return InStr(1, text, find); }

String NthField(std::string_view text, std::string_view separator, std::int32_t n) {
    if (n < 1) return {};
    if (separator.empty()) return n == 1 ? String(text) : String();
    std::size_t from = 0;
    for (std::int32_t field = 1; field < n; ++field) {
        const std::size_t at = text.find(separator, from);
        if (at == std::string_view::npos) return {};
        from = at + separator.size();
    }
    const std::size_t at = text.find(separator, from);
    return String(text.substr(from, at == std::string_view::npos ? text.npos : at - from));
}

String ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
    if (find.empty()) return String(text);
    String result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(find, from)) != std::string_view::npos;
         from = at + find.size()) {
        result.append(text.substr(from, at - from)).append(replacement);
    }
    return result.append(text.substr(from));
}

std::int32_t Trunc(double value) {
    if (std::isnan(value)) return 0;
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::trunc(value), low, high));
}

}  // namespace framework
