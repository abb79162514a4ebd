#include "core/decimal_point.h"

#include <gtest/gtest.h>

using core::NormaliseDecimalPoints;
using framework::String;

namespace {

struct Case {
    const char* divided;
    const char* divider;
    const char* expectedDivided;
    const char* expectedDivider;
};

// Texts as they arrive: the leading zeros already removed by the division run.
const Case kCases[] = {
    {"1.5", ".25", "150", "25"},   {"1.25", ".5", "12.5", "5"},   {".5", "2", "0.5", "2"},
    {"7", ".125", "7000", "125"},  {"2.5", "1.25", "250", "125"}, {"10.05", ".5", "100.5", "5"},
    {"1.234", ".1", "12.34", "1"}, {"5.0", "2.50", "50", "25"},   {"1.50", ".5", "15", "5"},
    {"1.50", "3", "1.5", "3"},     {"3.000", "4", "3", "4"},      {"5.", "2", "5", "2"},
    {"7", "2.0", "7", "2"},        {".001", "4", "0.001", "4"},   {"1", ".05", "100", "5"},
    {".5", ".25", "050", "25"},    {".25", ".5", "02.5", "5"},    {".0625", ".5", "00.625", "5"},
    {".1", ".003", "0100", "3"},
};

class DecimalPointTable : public testing::TestWithParam<Case> {};

}  // namespace

TEST_P(DecimalPointTable, MovesBothPointsByTheDivisorsDecimals) {
    String divider = GetParam().divider;
    String divided = GetParam().divided;
    NormaliseDecimalPoints(divider, divided);
    EXPECT_EQ(divided, GetParam().expectedDivided);
    EXPECT_EQ(divider, GetParam().expectedDivider);
}

INSTANTIATE_TEST_SUITE_P(TypedProblems, DecimalPointTable, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             String name = String(info.param.divided) + "_by_" + info.param.divider;
                             for (char& c : name) c = (c == '.') ? 'p' : c;
                             return name;
                         });

TEST(DecimalPoint, TextsOutsideTheDialogsFormStillEndDefined) {
    auto normalise = [](String divider, String divided) {
        NormaliseDecimalPoints(divider, divided);
        return divided + "/" + divider;
    };
    // Several points: the fields up to the second point count, the rest is dropped.
    EXPECT_EQ(normalise("1.2.3", "4.5.6"), "45/12");
    EXPECT_EQ(normalise("..", "..."), "/");
    EXPECT_EQ(normalise(".", "5"), "5/");
    EXPECT_EQ(normalise("", ""), "/");
    EXPECT_EQ(normalise("0.0", "0.0"), "0/");
    EXPECT_EQ(normalise(".000001", "1"), "1000000/1");
}
