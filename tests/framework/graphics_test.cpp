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

TEST(Graphics, JournalKeepsCallsAsPassed) {
    auto picture = NewPicture(100, 100, 16);
    Graphics& g = picture->Graphics();
    g.StartJournal();
    auto text = New<StringShape>();
    EXPECT_EQ(text->FillColor, kBlack);
    EXPECT_EQ(text->Fill, 100);
    EXPECT_FALSE(text->Bold);
    text->Text = "X";
    text->Bold = true;
    text->Fill = 70;
    text->FillColor = RGB(255, 0, 0);
    g.DrawObject(text, 71, 58);
    auto rect = New<RectShape>();
    rect->Width = 13;
    g.DrawObject(rect, 71.5, 50.25);
    g.DrawLine(39, 100, 78, 100);
    g.ClearRect(0, 0, 100, 40);
    g.StopJournal();
    g.DrawLine(0, 0, 1, 1);

    const auto& calls = g.Journal();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].text, "X");
    EXPECT_EQ(calls[0].x1, 71);
    EXPECT_EQ(calls[0].fillColor, RGB(255, 0, 0));
    EXPECT_EQ(calls[0].fill, 70);
    EXPECT_TRUE(calls[0].bold);
    EXPECT_EQ(calls[1].shape, DrawCall::Shape::Rect);
    EXPECT_EQ(calls[1].y1, 50.25);
    EXPECT_EQ(calls[1].width, 13);
    EXPECT_EQ(calls[2].kind, DrawCall::Kind::Line);
    EXPECT_EQ(calls[2].x2, 78);
    EXPECT_EQ(calls[3].kind, DrawCall::Kind::ClearRect);
    EXPECT_EQ(calls[3].y2, 40);
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

TEST(Graphics, TranslucentFillBlendsOverWhite) {
    auto picture = NewPicture(50, 50, 16);
    auto rect = New<RectShape>();
    rect->Width = 20;
    rect->Height = 20;
    rect->BorderWidth = 0;
    rect->Fill = 50;
    rect->FillColor = RGB(200, 200, 255);
    picture->Graphics().DrawObject(rect, 25, 25);
    const Color c = picture->Pixel(25, 25);
    EXPECT_NEAR(c.red, 228, 6);
    EXPECT_NEAR(c.green, 228, 6);
    EXPECT_NEAR(c.blue, 255, 6);
}
