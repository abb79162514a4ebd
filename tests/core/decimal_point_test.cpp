// Texts as the entry sheet admits them are normalised as the quotient property test checks on
// random problems; here, texts of other forms, which must still give defined texts.
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

TEST(DecimalPoint, TextsOutsideTheDialogsFormStillEndDefined) {
    // Several points: the fields up to the second point count, the rest is dropped.
    EXPECT_EQ(Normalised("4.5.6", "1.2.3"), "45 / 12");
    EXPECT_EQ(Normalised("...", ".."), " / ");
    EXPECT_EQ(Normalised("5", "."), "5 / ");
    EXPECT_EQ(Normalised("", ""), " / ");
    EXPECT_EQ(Normalised("0.0", "0.0"), "0 / ");
    EXPECT_EQ(Normalised("1", ".000001"), "1000000 / 1");
}
