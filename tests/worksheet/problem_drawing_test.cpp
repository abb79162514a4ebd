#include <gtest/gtest.h>

#include "support/worksheet_fixture.h"

using testsupport::DrawCall;
using testsupport::WorksheetTest;

namespace {

class ProblemDrawingTest : public WorksheetTest {
protected:
    void Draw(const std::string& divider, const std::string& divided) {
        window->dividerOriginal = divider;
        window->dividedOriginal = divided;
        window->printEquation();
    }
    std::vector<std::tuple<std::string, double, double>> placed() {
        std::vector<std::tuple<std::string, double, double>> found;
        for (const auto& call : texts()) found.emplace_back(call.text, call.x1, call.y1);
        return found;
    }
    static std::vector<double> ends(const DrawCall& line) {
        return {line.x1, line.y1, line.x2, line.y2};
    }
};

using Placed = std::vector<std::tuple<std::string, double, double>>;

}  // namespace

TEST_F(ProblemDrawingTest, WholeNumbers) {
    Draw("12", "156");
    EXPECT_EQ(placed(),
              (Placed{{"1", 19, 78}, {"2", 32, 78}, {"1", 58, 78}, {"5", 71, 78}, {"6", 84, 78}}));
    ASSERT_EQ(lines().size(), 2u);
    EXPECT_EQ(ends(lines()[0]), (std::vector<double>{45, 60, 45, 80}));
    EXPECT_EQ(ends(lines()[1]), (std::vector<double>{45, 60, 91, 60}));
    EXPECT_EQ(window->ColPosition, 4);
    EXPECT_EQ(window->dividedLineXposition, 91);
}

TEST_F(ProblemDrawingTest, APointSitsOnTheColumnBorderInBothRows) {
    Draw("5", "12.5");
    EXPECT_EQ(placed(), (Placed{{"5", 19, 78},
                                {"1", 45, 78},
                                {"2", 58, 78},
                                {".", 65, 78},
                                {".", 65, 58},
                                {"5", 71, 78}}));
    EXPECT_EQ(ends(lines()[0]), (std::vector<double>{32, 60, 32, 80}));
    EXPECT_EQ(ends(lines()[1]), (std::vector<double>{32, 60, 78, 60}));
    EXPECT_EQ(window->ColPosition, 3);
    EXPECT_EQ(window->dividedLineXposition, 78);
}

TEST_F(ProblemDrawingTest, LeadingZeroThenPoint) {
    Draw("2", "0.5");
    EXPECT_EQ(placed(),
              (Placed{{"2", 19, 78}, {"0", 45, 78}, {".", 52, 78}, {".", 52, 58}, {"5", 58, 78}}));
    EXPECT_EQ(window->dividedLineXposition, 65);
}
