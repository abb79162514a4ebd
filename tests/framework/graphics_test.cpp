// Where text, rectangles and lines land in a bitmap is pinned down by the pixel-identity test,
// which compares whole worksheets with a plain painter replay; here, what the pictures refuse.
#include <gtest/gtest.h>

#include "framework/picture.h"

using namespace framework;

TEST(Picture, ABitmapHasNoShapesAndALayerNoGraphics) {
    auto bitmap = NewPicture(100, 80, 16);
    EXPECT_EQ(bitmap->Pixel(99, 79), kWhite);
    EXPECT_THROW(bitmap->Objects(), NilObjectException);

    auto layer = NewPicture(100, 80, 0);
    EXPECT_THROW(layer->Graphics(), NilObjectException);
    auto a = New<RectShape>();
    auto b = New<RectShape>();
    layer->Objects().Append(a);
    layer->Objects().Remove(b);  // not there: nothing happens
    EXPECT_EQ(layer->Objects().Count(), 1);
    layer->Objects().Remove(a);
    layer->Objects().Remove(a);
    EXPECT_EQ(layer->Objects().Count(), 0);
    EXPECT_THROW(layer->Objects().Append(nullptr), NilObjectException);
}
