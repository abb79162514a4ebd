#include "framework/graphics.h"

#include <gtest/gtest.h>

#include "framework/picture.h"

using namespace framework;

namespace {

// The bounding box of the pixels that are not white.
struct Ink {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};
Ink InkOf(const Picture& picture) {
    Ink ink;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            if (picture.Pixel(x, y) == kWhite) continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

}  // namespace

TEST(Picture, BitmapIsSixteenBitsAndVectorPictureHoldsShapes) {
    auto bitmap = NewPicture(1000, 800, 16);
    EXPECT_EQ(bitmap->Width(), 1000);
    EXPECT_EQ(bitmap->Height(), 800);
    EXPECT_EQ(bitmap->BitsPerPixel(), 16);
    EXPECT_EQ(bitmap->Pixel(999, 799), kWhite);
    EXPECT_THROW(bitmap->Objects(), NilObjectException);

    auto layer = NewPicture(1000, 800, 0);
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

TEST(Graphics, TextIsCentredOnXWithItsBaselineAtY) {
    auto picture = NewPicture(200, 100, 16);
    auto text = New<StringShape>();
    text->TextSize = 16;
    text->Text = "HHHH";  // flat-bottomed glyphs sit exactly on the baseline
    picture->Graphics().DrawObject(text, 100, 60);
    const Ink ink = InkOf(*picture);
    EXPECT_EQ(ink.bottom, 59);  // the baseline is the top edge of pixel row 60
    EXPECT_NEAR((ink.left + ink.right + 1) / 2.0, 100, 1.0);
    EXPECT_LT(ink.top, 50);
}

TEST(Graphics, RectanglesArePlacedByTheirCentreAndLinesCoverTheirEnds) {
    auto picture = NewPicture(100, 100, 16);
    Graphics& g = picture->Graphics();
    auto rect = New<RectShape>();
    rect->Width = 13;
    rect->Height = 20;
    rect->BorderWidth = 0;
    rect->FillColor = RGB(0, 0, 255);
    g.DrawObject(rect, 71.5, 50);
    Ink ink = InkOf(*picture);
    EXPECT_EQ(ink.left, 65);
    EXPECT_EQ(ink.right, 77);
    EXPECT_EQ(ink.top, 40);
    EXPECT_EQ(ink.bottom, 59);

    auto lines = NewPicture(100, 100, 16);
    lines->Graphics().DrawLine(39, 20, 78, 20);
    ink = InkOf(*lines);
    EXPECT_EQ(ink.left, 39);
    EXPECT_EQ(ink.right, 78);
    EXPECT_EQ(ink.top, 20);
    EXPECT_EQ(ink.bottom, 20);

    auto thick = NewPicture(100, 100, 16);
    thick->Graphics().PenWidth = 2;
    thick->Graphics().PenHeight = 2;
    thick->Graphics().DrawLine(10, 15, 10, 42);
    ink = InkOf(*thick);
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.right, 11);
    EXPECT_EQ(ink.bottom, 43);
}
