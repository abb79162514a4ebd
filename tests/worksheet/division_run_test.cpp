#include <gtest/gtest.h>

#include "framework/picture.h"
#include "support/worksheet_fixture.h"

using namespace framework;
using testsupport::DrawCall;

namespace {

constexpr Color kBlue = RGB(0, 0, 255);
constexpr Color kGreen = RGB(0, 255, 0);
constexpr Color kRed = RGB(255, 0, 0);

class DivisionRunTest : public testsupport::WorksheetTest {
protected:
    void Run(const char* divider, const char* divided) {
        sheet().ClearJournal();
        window->NewDivision(divider, divided);
    }
    const worksheet::LongDivisionStep& step(int k) { return *window->LDsteps.at(k); }
    int steps() { return static_cast<int>(window->LDsteps.size()) - 1; }
    bool hasLine(double x1, double y1, double x2, double y2) {
        for (const auto& l : lines()) {
            if (l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2) return true;
        }
        return false;
    }
    const DrawCall* textAt(const std::string& text, double x, double y) {
        for (const auto& call : journal()) {
            if (call.shape == DrawCall::Shape::Text && call.text == text && call.x1 == x &&
                call.y1 == y) {
                return &call;
            }
        }
        return nullptr;
    }
    std::string message() {
        std::string text;
        for (const auto& call : texts()) {
            if (call.x1 == 550 && call.y1 == 20) text = call.text;
        }
        return text;
    }
};

}  // namespace

TEST_F(DivisionRunTest, ExactInTheIntegerPhase) {
    Run("12", "156");
    EXPECT_EQ(window->Title(), "Long Division:  156/12");
    EXPECT_EQ(cell(1, 2) + cell(2, 2), "12");
    EXPECT_EQ(cell(4, 2) + cell(5, 2) + cell(6, 2), "156");
    EXPECT_EQ(cell(5, 1), "1");
    EXPECT_EQ(cell(3, 3) + cell(4, 3) + cell(5, 3), "-12");
    EXPECT_TRUE(hasLine(39, 100, 78, 100));
    EXPECT_EQ(cell(5, 4) + cell(6, 4), "36");  // remainder 3, the 6 brought down
    EXPECT_EQ(cell(6, 1), "3");
    EXPECT_EQ(cell(4, 5) + cell(5, 5) + cell(6, 5), "-36");
    EXPECT_TRUE(hasLine(52, 140, 91, 140));
    EXPECT_EQ(cell(6, 6), "0");
    ASSERT_EQ(steps(), 2);
    EXPECT_EQ(std::tie(step(1).row, step(1).col, step(1).length, step(1).divided),
              std::make_tuple(4, 5, 2, 15));
    EXPECT_EQ(std::tie(step(2).row, step(2).col, step(2).length, step(2).divided),
              std::make_tuple(6, 6, 2, 36));
    EXPECT_EQ(window->RectSelect(1).Left(), 65);
    EXPECT_EQ(window->RectSelect(1).Top(), 40);
    EXPECT_EQ(window->RectSelect(2).Left(), 78);
    EXPECT_EQ(window->Find<Canvas>("RectSelect", 3), nullptr);
    EXPECT_EQ(rowText(1), "13");
    EXPECT_EQ(message(), "");
    EXPECT_FALSE(window->StringAtDivisionEnd);
}

TEST_F(DivisionRunTest, QuotientDigitZeroAndPartialDividendsWithLeadingZeros) {
    Run("5", "1005");
    ASSERT_EQ(steps(), 3);
    EXPECT_EQ(std::tie(step(2).row, step(2).col, step(2).length, step(2).divided),
              std::make_tuple(6, 5, 1, 0));
    EXPECT_EQ(std::tie(step(3).row, step(3).col, step(3).length, step(3).divided),
              std::make_tuple(8, 6, 1, 5));
    EXPECT_EQ(cell(5, 1), "0");
    EXPECT_EQ(cell(4, 5) + cell(5, 5), "-0");  // minus sign and 0 over a two-column line
    EXPECT_TRUE(hasLine(52, 140, 78, 140));
    EXPECT_EQ(cell(5, 6), "0");
    EXPECT_EQ(rowText(1), "201");
}

TEST_F(DivisionRunTest, OneThirdRepeatsFromTheFirstDecimal) {
    Run("3", "1");
    ASSERT_EQ(window->Remainders.size(), 3u);
    EXPECT_EQ(window->Remainders[0], "3,3");
    EXPECT_EQ(window->Remainders[1], "100-9=10");
    EXPECT_EQ(window->Remainders[2], "100-9=10");
    EXPECT_NE(textAt(".", 52, 58), nullptr);
    EXPECT_NE(textAt(".", 52, 78), nullptr);
    const DrawCall* zero = textAt("0", 58, 78);
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->fillColor, kBlue);
    EXPECT_TRUE(hasLine(52, 60, 65, 60));
    EXPECT_EQ(cell(4, 1), "3");
    EXPECT_EQ(cell(3, 3) + cell(4, 3), "-9");
    EXPECT_EQ(cell(4, 4) + cell(5, 4), "10");  // remainder 1, then the 0 brought down
    EXPECT_EQ(cell(5, 6), "1");
    const DrawCall* mark = textAt("X", 71, 58);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->fillColor, kRed);
    EXPECT_EQ(mark->fill, 70);
    EXPECT_TRUE(mark->bold);
    EXPECT_TRUE(hasLine(52, 40, 65, 40));
    EXPECT_EQ(message(), "Repeating decimal tail.");
    const DrawCall& last = journal().back();
    EXPECT_EQ(last.fillColor, kBlack);  // the text shape is back to black, 100, not bold
    EXPECT_EQ(last.fill, 100);
    EXPECT_FALSE(last.bold);
    ASSERT_EQ(steps(), 2);
    EXPECT_FALSE(step(1).IsEndRepeat);
    EXPECT_TRUE(step(2).IsEndRepeat);
    EXPECT_EQ(step(2).colRepeat, 4);
    EXPECT_TRUE(window->StringAtDivisionEnd);
}

TEST_F(DivisionRunTest, RepeatFoundThroughTheKeyItEquals) {
    struct Case {
        const char* divider;
        const char* divided;
        std::vector<double> bar;  // x from, x to at y 40
        int markCol;
        int colRepeat;
        int steps;
        const char* quotient;
    };
    const Case cases[] = {
        {"3", "0.1", {78, 91}, 7, 6, 3, ".0333"},
        {"7", "22", {65, 143}, 11, 5, 8, "3.1428571"},
        {"6", "1", {65, 78}, 6, 5, 3, ".166"},
        {"3", "1.3", {65, 78}, 6, 5, 3, ".433"},
        {"007", "0.5", {78, 156}, 12, 6, 8, ".071428571"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.divided) + " / " + c.divider);
        Run(c.divider, c.divided);
        EXPECT_TRUE(hasLine(c.bar[0], 40, c.bar[1], 40));
        EXPECT_NE(textAt("X", 13 * c.markCol + 6, 58), nullptr);
        ASSERT_EQ(steps(), c.steps);
        EXPECT_EQ(step(c.steps).colRepeat, c.colRepeat);
        EXPECT_TRUE(step(c.steps).IsEndRepeat);
        EXPECT_EQ(rowText(1), c.quotient);
    }
    EXPECT_EQ(window->Title(), "Long Division:  0.5/007");
    Run("3", "1.3");
    EXPECT_EQ(window->Remainders[0], "4,4");
    Run("3", "0.1");
    EXPECT_EQ(window->Remainders[1], "0100-9=10");
    EXPECT_EQ(window->Remainders[0], "4,3");
}

TEST_F(DivisionRunTest, ExactInTheDecimalPhase) {
    Run("4", "10");
    EXPECT_NE(textAt(".", 65, 58), nullptr);
    EXPECT_NE(textAt(".", 65, 78), nullptr);
    EXPECT_EQ(window->Remainders.back(), "200-20=00");
    EXPECT_EQ(rowText(1), "2.5");
    EXPECT_EQ(message(), "");
    EXPECT_FALSE(window->StringAtDivisionEnd);
}

TEST_F(DivisionRunTest, OutOfRoomAfterColumnSeventySeven) {
    Run("97", "1");
    ASSERT_EQ(steps(), 73);
    EXPECT_EQ(step(1).col, 5);
    EXPECT_EQ(step(1).divided, 10);
    EXPECT_EQ(step(73).col, 77);
    EXPECT_EQ(cell(5, 1), "0");
    for (int k = 1; k <= 73; ++k) {
        EXPECT_FALSE(step(k).IsEndRepeat);
        EXPECT_LE(step(k).row, 32);
    }
    std::vector<std::pair<std::string, int>> green;
    for (const auto& call : texts()) {
        if (call.fillColor == kGreen) green.emplace_back(call.text, int(call.x1));
    }
    ASSERT_EQ(green.size(), 10u);  // five two-digit remainders written again on row 4
    EXPECT_EQ(green[0], std::make_pair(std::string("4"), 240));  // 45 in columns 18 and 19
    EXPECT_EQ(green[1], std::make_pair(std::string("5"), 253));
    for (const auto& call : texts()) {
        if (call.fillColor == kGreen) {
            EXPECT_EQ(call.y1, 118);
        }
    }
    EXPECT_EQ(message(), "no more room to calculate, results incomplete!");
    EXPECT_TRUE(window->StringAtDivisionEnd);
    EXPECT_EQ(window->RectSelect(73).Left(), 1001);
}

TEST_F(DivisionRunTest, ASecondRunStartsFromAResetSheet) {
    Run("97", "1");
    window->DrawStep(3);
    Run("12", "156");
    EXPECT_EQ(window->Title(), "Long Division:  156/12");
    ASSERT_GE(journal().size(), 1u);
    const DrawCall& clear = *std::find_if(journal().begin(), journal().end(), [](auto& c) {
        return c.kind == DrawCall::Kind::ClearRect;
    });
    EXPECT_EQ(std::vector<double>({clear.x1, clear.y1, clear.x2, clear.y2}),
              std::vector<double>({0, 0, 1000, 800}));
    EXPECT_EQ(window->StepPic->Objects().Count(), 0);
    EXPECT_EQ(steps(), 2);
    EXPECT_EQ(window->RectSelect(1).Left(), 65);
    EXPECT_EQ(window->Find<Canvas>("RectSelect", 3), nullptr);
    EXPECT_FALSE(window->StringAtDivisionEnd);
    EXPECT_EQ(window->Remainders.size(), 1u);
}

TEST_F(DivisionRunTest, StripesAppendedZeroAndRepeatMarkInTheBitmap) {
    Run("3", "1");
    const Picture& pic = *window->thepic;
    // Column c takes the colour of (c + 1) mod 4, at 50 % over white.
    const Color expected[] = {RGB(255, 227, 255), RGB(227, 227, 255), RGB(227, 255, 255),
                              RGB(255, 255, 227)};
    for (int col = 0; col < 4; ++col) {
        const Color c = pic.Pixel(13 * col + 3, 790);
        EXPECT_NEAR(c.red, expected[col].red, 5) << "column " << col;
        EXPECT_NEAR(c.green, expected[col].green, 5) << "column " << col;
        EXPECT_NEAR(c.blue, expected[col].blue, 5) << "column " << col;
    }
    EXPECT_EQ(pic.Pixel(994, 500), kWhite);  // column 76
    EXPECT_EQ(pic.Pixel(300, 30), kWhite);   // band, away from the message

    auto inkIn = [&](int left, int top, int right, int bottom, auto&& accept) {
        int count = 0;
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) count += accept(pic.Pixel(x, y)) ? 1 : 0;
        }
        return count;
    };
    // The appended zero in cell (4, 2) is blue; the X over cell (5, 1) light translucent red.
    EXPECT_GT(inkIn(52, 60, 64, 79, [](Color c) { return c.blue > 150 && c.red < 100; }), 5);
    const int red = inkIn(65, 40, 77, 59, [](Color c) { return c.red > 200 && c.green < 150; });
    EXPECT_GT(red, 10);
    const int solidRed =
        inkIn(65, 40, 77, 59, [](Color c) { return c.red > 240 && c.green < 20 && c.blue < 20; });
    EXPECT_LT(solidRed, red);  // 70 % lets the "3" beneath and the stripe show through
}

TEST_F(DivisionRunTest, HostileTextsNeverBreakTheRun) {
    const std::pair<const char*, const char*> accepted[] = {
        {"1a2", "1+5-6"}, {"1.2.", "3..4"}, {" 12", "156 "}};
    for (auto [divider, divided] : accepted) {
        Run(divider, divided);
        EXPECT_EQ(window->Title(), std::string("Long Division:  ") + divided + "/" + divider);
        EXPECT_GT(steps(), 0) << divided << " / " << divider;
    }
    const std::pair<const char*, const char*> refused[] = {
        {"", "5"},         {"5", ""},         {".", "5"},        {"abc", "5"},
        {"-0", "5"},       {"5", "0.000"},    {"12345678", "5"}, {"5", "123456789"},
        {"\xC3\xA9", "5"}, {"5", "\x80\xFF"}, {"0", "0"},        {"9999999", "99.99.99.99"}};
    for (auto [divider, divided] : refused) {
        Run("3", "1");
        Run(divider, divided);
        EXPECT_EQ(steps(), 0) << divided << " / " << divider;
        EXPECT_EQ(window->Find<Canvas>("RectSelect", 1), nullptr);
        EXPECT_FALSE(window->StringAtDivisionEnd);
    }
    Run(std::string(100000, '9').c_str(), std::string(100000, '.').c_str());
    EXPECT_EQ(steps(), 0);
    Run("9999999", "9999999");  // the largest numbers the dialog admits
    EXPECT_EQ(rowText(1), "1");
    Run("1", ".000001");
    EXPECT_EQ(rowText(1), ".000001");
}
