#include "core/repeat_key.h"

namespace core {

using namespace framework;

String RepeatKeyOpening(const String& partialDividend) { return partialDividend + "0-"; }

String RepeatKeyClosing(const String& product, const String& remainder) {
    return product + "=" + remainder + "0";
}

String DecimalStart(std::int32_t column, std::int32_t row) { return Str(column) + "," + Str(row); }

std::int32_t DecimalStartColumn(const String& start) { return Trunc(Val(NthField(start, ",", 1))); }

}  // namespace core
