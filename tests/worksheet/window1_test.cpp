#include <gtest/gtest.h>

#include "framework/picture.h"
#include "support/worksheet_fixture.h"

using namespace framework;
using testsupport::WorksheetTest;

using Window1Test = WorksheetTest;

TEST_F(Window1Test, OpensWithItsPicturesShapesAndEmptyDivision) {
    Window1Test::TearDown();
    Window1Test::SetUp();
    const worksheet::Window1& w = *window;
    EXPECT_EQ(w.Title(), "Long Division");
    EXPECT_EQ(w.Width(), 1000);
    EXPECT_EQ(w.Height(), 750);
    EXPECT_EQ(w.gridWidth, 13);
    EXPECT_EQ(w.gridHeight, 20);
    EXPECT_EQ(w.Offset, 40);
    ASSERT_EQ(w.Remainders.size(), 1u);
    EXPECT_EQ(w.Remainders[0], "");
    ASSERT_EQ(w.LDsteps.size(), 1u);
    EXPECT_FALSE(w.LDsteps[0]);
    EXPECT_EQ(w.thepic->Width(), 1000);
    EXPECT_EQ(w.thepic->Height(), 800);
    EXPECT_EQ(w.thepic->BitsPerPixel(), 16);
    EXPECT_FALSE(w.StepPic->IsBitmap());
    EXPECT_EQ(w.StepPic->Transparent, 1);
    EXPECT_EQ(w.StepPic->Objects().Count(), 0);
    EXPECT_EQ(w.t->TextSize, 16);
    EXPECT_EQ(w.t->FillColor, kBlack);
    const std::pair<Ref<RectShape>, Color> highlights[] = {{w.r_chose, RGB(0, 255, 255)},
                                                           {w.r_divided, RGB(0, 0, 255)},
                                                           {w.r_subtract, RGB(255, 0, 0)},
                                                           {w.r_answer, RGB(0, 255, 0)},
                                                           {w.r_repeatstart, RGB(255, 0, 255)}};
    for (const auto& [shape, colour] : highlights) {
        EXPECT_EQ(shape->Fill, 35);
        EXPECT_EQ(shape->FillColor, colour);
        EXPECT_EQ(shape->Height, 20.0);
    }
    EXPECT_FALSE(w.StringAtDivisionEnd);
    EXPECT_EQ(w.RowPosition, 0);

    EXPECT_EQ(w.Canvas1().Width(), 1100);
    EXPECT_EQ(w.Canvas1().Height(), 750);
    const auto& target = w.RectSelect(0);
    EXPECT_EQ(target.Left(), 27);
    EXPECT_EQ(target.Top(), 32);
    EXPECT_EQ(target.Width(), 13);
    EXPECT_EQ(target.Height(), 20);
    EXPECT_EQ(&ImplicitInstance<worksheet::Window1>(), window);
}

TEST_F(Window1Test, GridPlacesCharactersCellsAndCentres) {
    for (auto [col, x] : {std::pair{0, 6}, {1, 19}, {2, 32}, {75, 981}, {76, 994}}) {
        window->dividerOriginal = "";
        window->dividedOriginal = "";
        window->ColPosition = col;
        window->RowPosition = 1;
        sheet().ClearJournal();
        window->dropNextDigit("7");
        ASSERT_EQ(texts().size(), 1u);
        EXPECT_EQ(texts()[0].x1, x) << "column " << col;
    }
    for (auto [row, y] : {std::pair{1, 58}, {2, 78}, {3, 98}, {38, 798}}) {
        window->ColPosition = 0;
        window->RowPosition = row;
        sheet().ClearJournal();
        window->dropNextDigit("7");
        EXPECT_EQ(texts()[0].y1, y) << "row " << row;
    }
}

TEST_F(Window1Test, CanvasPaintsTheHighlightLayerOverTheBitmap) {
    auto shot = NewPicture(1100, 750, 32);
    window->Canvas1_Paint(window->Canvas1(), shot->Graphics());  // blank: white
    EXPECT_EQ(shot->Pixel(71, 50), kWhite);

    auto dot = New<StringShape>();
    dot->Text = "8";
    dot->TextSize = 16;
    window->thepic->Graphics().ClearRect(0, 40, 1000, 20);
    auto black = New<RectShape>();
    black->Width = 13;
    black->Height = 20;
    black->FillColor = kBlack;
    window->thepic->Graphics().DrawObject(black, 71.5, 50);  // cell (5, 1) in black
    window->r_chose->X = 71.5;
    window->r_chose->Y = 50;
    window->r_chose->Width = 13;
    window->StepPic->Objects().Append(window->r_chose);
    window->r_answer->X = 200.5;
    window->r_answer->Y = 50;
    window->r_answer->Width = 13;
    window->StepPic->Objects().Append(window->r_answer);

    shot->Graphics().StartJournal();
    window->Canvas1_Paint(window->Canvas1(), shot->Graphics());
    const auto& calls = shot->Graphics().Journal();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].picture, window->thepic.get());
    EXPECT_EQ(calls[1].picture, window->StepPic.get());

    // Cyan at 35 % over black and green at 35 % over white: the layer lies on top.
    const Color overBlack = shot->Pixel(71, 50);
    EXPECT_NEAR(overBlack.red, 0, 8);
    EXPECT_NEAR(overBlack.green, 89, 8);
    EXPECT_NEAR(overBlack.blue, 89, 8);
    const Color overWhite = shot->Pixel(200, 50);
    EXPECT_NEAR(overWhite.red, 166, 8);
    EXPECT_NEAR(overWhite.green, 255, 8);
    EXPECT_EQ(shot->Pixel(1050, 50), kWhite);  // right of the worksheet
}
