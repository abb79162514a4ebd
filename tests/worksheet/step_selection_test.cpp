#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <QWidget>

#include "framework/picture.h"
#include "support/worksheet_fixture.h"

using namespace framework;

namespace {

class StepSelectionTest : public testsupport::WorksheetTest {
protected:
    void Run(const char* divider, const char* divided) { window->NewDivision(divider, divided); }
    // What the band shows: the text last written at the message position since the last clear.
    std::string band() {
        std::string text;
        for (const auto& call : journal()) {
            if (call.kind == DrawCall::Kind::ClearRect && call.y1 == 0) text.clear();
            if (call.shape == DrawCall::Shape::Text && call.x1 == 550 && call.y1 == 20) {
                text = call.text;
            }
        }
        return text;
    }
    std::vector<double> geometry(const Ref<RectShape>& r) { return {r->X, r->Y, r->Width}; }
    int shown() { return window->StepPic->Objects().Count(); }
    void click(int k) { window->RectSelect_MouseDown(window->RectSelect(k), 3, 4); }
};

using Geometry = std::vector<double>;

}  // namespace

TEST_F(StepSelectionTest, ExactDivisionShowsEachStepAndItsEquation) {
    window->_EditDeselectAll_Action();  // before any division: nothing to take away or show
    EXPECT_EQ(shown(), 0);
    EXPECT_EQ(band(), "");

    Run("12", "156");
    sheet().ClearJournal();
    click(0);  // the template target stands for no step
    EXPECT_EQ(shown(), 0);
    EXPECT_TRUE(journal().empty());

    click(1);
    EXPECT_EQ(geometry(window->r_chose), (Geometry{71.5, 50, 13}));
    EXPECT_EQ(geometry(window->r_divided), (Geometry{65, 70, 26}));
    EXPECT_EQ(geometry(window->r_subtract), (Geometry{65, 90, 26}));
    EXPECT_EQ(geometry(window->r_answer), (Geometry{65, 110, 26}));
    EXPECT_EQ(shown(), 4);
    EXPECT_EQ(band(), "12 * 1 + 3 = 15");

    click(2);
    click(2);
    EXPECT_EQ(shown(), 4);
    EXPECT_EQ(geometry(window->r_chose), (Geometry{84.5, 50, 13}));
    EXPECT_EQ(geometry(window->r_divided), (Geometry{78, 110, 26}));  // columns 5, 6 of row 4
    EXPECT_EQ(geometry(window->r_answer), (Geometry{78, 150, 26}));
    EXPECT_EQ(band(), "12 * 3 + 0 = 36");

    window->_EditDeselectAll_Action();
    EXPECT_EQ(shown(), 0);
    EXPECT_EQ(band(), "12 * 3 + 0 = 36");  // no end message: the band is left alone
}

TEST_F(StepSelectionTest, PartialDividendsWithZerosAndTheRepeatsLastStep) {
    Run("5", "105");
    click(2);
    EXPECT_EQ(geometry(window->r_divided), (Geometry{71.5, 110, 13}));  // only the 5 of 05
    EXPECT_EQ(band(), "5 * 1 + 0 = 5");
    Run("7", "703");
    click(3);
    EXPECT_EQ(band(), "7 * 0 + 3 = 3");

    Run("3", "1");
    click(1);
    EXPECT_EQ(band(), "3 * 3 + 1 = 10");
    EXPECT_EQ(geometry(window->r_divided), (Geometry{52, 70, 26}));  // the 1 and its zero
    click(2);
    EXPECT_EQ(band(), "SubDivision repeats that at begining of repetition line.");
    window->_EditDeselectAll_Action();
    EXPECT_EQ(shown(), 0);
    EXPECT_EQ(band(), "Repeating decimal tail.");
}

TEST_F(StepSelectionTest, ARealPressOnATargetShowsItsStepAndLeavesItsDigitReadable) {
    Run("97", "1");
    const QImage unselected = window->Canvas1().Snapshot()->Image();
    QWidget* target = window->RectSelect(3).NativeWidget();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(6, 10));
    EXPECT_EQ(shown(), 4);
    EXPECT_EQ(window->r_chose->X, 13 * 7 + 6.5);
    EXPECT_EQ(band(), "97 * 0 + 30 = 30");

    // On screen the digit under the target shows through its highlight.
    const auto shot = window->Canvas1().Snapshot();
    int dark = 0;
    for (int y = 41; y < 59; ++y) {  // inside the highlight's border
        for (int x = 92; x < 103; ++x) dark += shot->Pixel(x, y).red < 80 ? 1 : 0;
    }
    EXPECT_GT(dark, 5);

    // Each highlight tints the stripe beneath in its own colour: the channels that stand out
    // inside its top-left corner, above the digits.
    auto tint = [&](const Ref<RectShape>& band) {
        const Color c = shot->Pixel(Trunc(band->X - band->Width / 2) + 2, Trunc(band->Y) - 8);
        const int low = std::min({c.red, c.green, c.blue}) + 40;
        return std::string(c.red > low ? "r" : "") + (c.green > low ? "g" : "") +
               (c.blue > low ? "b" : "");
    };
    EXPECT_EQ(tint(window->r_chose), "gb");  // cyan
    EXPECT_EQ(tint(window->r_divided), "b");
    EXPECT_EQ(tint(window->r_subtract), "r");
    EXPECT_EQ(tint(window->r_answer), "g");

    // The highlights lie over the sheet and never in it: once they are taken away, the screen
    // below the message band is as it was before the click.
    window->_EditDeselectAll_Action();
    const QRect belowBand(0, window->Offset, unselected.width(),
                          unselected.height() - window->Offset);
    EXPECT_EQ(window->Canvas1().Snapshot()->Image().copy(belowBand), unselected.copy(belowBand));
}
