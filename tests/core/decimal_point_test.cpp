#include "core/decimal_point.h"

#include <gtest/gtest.h>

using core::NormaliseDecimalPoints;
using framework::String;

namespace {

// "dividend / divisor" on return: the texts NormaliseDecimalPoints leaves.
String Normalised(String divided, String divider) {
    NormaliseDecimalPoints(divider, divided);
    return divided + " / " + divider;
}

}  // namespace

TEST(DecimalPoint, MovesBothPointsByTheDivisorsDecimals) {
    // Texts as they arrive: the leading zeros already removed by the division run. One case
    // for each way the two numbers can meet.
    const std::pair<const char*, const char*> cases[] = {
        {"1.50 / .5", "15 / 5"},       // trailing zeros go before the points move
        {"3.000 / 4", "3 / 4"},        // a zero fraction goes with its point
        {"5. / 2.0", "5 / 2"},         // a point with nothing after it, in both
        {".5 / 2", "0.5 / 2"},         // no integer part: a 0 is written
        {"1.5 / .25", "150 / 25"},     // divisor with more decimals: zeros appended
        {"7 / .125", "7000 / 125"},    // a whole dividend takes all the zeros
        {"1.234 / .1", "12.34 / 1"},   // dividend with more decimals keeps a point
        {"7.5 / 2.5", "75 / 25"},      // equal counts: both whole
        {".0625 / .5", "00.625 / 5"},  // the dividend's leading zeros stay
        {".1 / .003", "0100 / 3"},     // the divisor's leading zeros go
    };
    for (const auto& [problem, expected] : cases) {
        SCOPED_TRACE(problem);
        const String text = problem;
        const auto slash = text.find(" / ");
        EXPECT_EQ(Normalised(text.substr(0, slash), text.substr(slash + 3)), expected);
    }
}

TEST(DecimalPoint, TextsOutsideTheDialogsFormStillEndDefined) {
    // Several points: the fields up to the second point count, the rest is dropped.
    EXPECT_EQ(Normalised("4.5.6", "1.2.3"), "45 / 12");
    EXPECT_EQ(Normalised("...", ".."), " / ");
    EXPECT_EQ(Normalised("5", "."), "5 / ");
    EXPECT_EQ(Normalised("", ""), " / ");
    EXPECT_EQ(Normalised("0.0", "0.0"), "0 / ");
    EXPECT_EQ(Normalised("1", ".000001"), "1000000 / 1");
}
