#include "framework/text.h"

#include <gtest/gtest.h>

#include <limits>

using namespace framework;

TEST(Val, ReadsTheLeadingNumberAndZeroForNone) {
    for (const char* none : {"", ".", "0.00", "abc"}) EXPECT_EQ(Val(none), 0.0) << none;
    EXPECT_EQ(Val("007"), 7.0);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("  42abc"), 42.0);
    EXPECT_EQ(Val("-3.5e1"), -35.0);
    EXPECT_EQ(Val("1e999"), std::numeric_limits<double>::infinity());
}

TEST(Trunc, TruncatesTowardZeroAndSaturates) {
    EXPECT_EQ(Trunc(76.92), 76);
    EXPECT_EQ(Trunc(-6.5), -6);
    EXPECT_EQ(Trunc(1e300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Trunc(-1e300), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Trunc(std::numeric_limits<double>::quiet_NaN()), 0);
}

// Positions count UTF-8 characters from 1, and no position or count reaches outside the text,
// however broken the text is.
TEST(Substrings, CountCharactersFromOneAndStayInsideTheText) {
    EXPECT_EQ(Left("156", 9), "156");
    EXPECT_EQ(Left("156", -1), "");
    EXPECT_EQ(Right("2.50", 9), "2.50");
    EXPECT_EQ(Mid("156", 0, 1), "1");
    EXPECT_EQ(Mid("7", 2, -1), "");
    const std::string text = std::string("1\xC3\xA9") + "2";  // 1é2
    EXPECT_EQ(Len(text), 3);
    EXPECT_EQ(Mid(text, 2, 1), "\xC3\xA9");
    EXPECT_EQ(InStr(text, "2"), 3);
    const std::string broken = std::string("\x80\xA9") + "5\xC3";  // stray bytes, cut sequence
    EXPECT_EQ(Len(broken), 3);
    EXPECT_EQ(Mid(broken, 2, 1), "5");
    EXPECT_EQ(Left(broken, 10), broken);
}

TEST(Fields, SearchSplitAndReplace) {
    EXPECT_EQ(InStr(0, "12.5", "."), 3);
    EXPECT_EQ(InStr(4, "12.5", "."), 0);
    EXPECT_EQ(InStr(-5, "1.5", "."), 2);
    EXPECT_EQ(InStr(0, "125", ""), 0);
    EXPECT_EQ(NthField(".5", ".", 1), "");
    EXPECT_EQ(NthField("1.2.3", ".", 3), "3");
    EXPECT_EQ(NthField("5.", ".", 2), "");
    EXPECT_EQ(NthField("1.2", ".", 0), "");
    EXPECT_EQ(ReplaceAll("1..2.", ".", ""), "12");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}
