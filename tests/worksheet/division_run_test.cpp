// What a division leaves on the sheet beyond its digits (which the quotient property test
// works out for random problems): how the repeat is marked, a second run on a used sheet, and
// texts that no key filter has seen.

#include <gtest/gtest.h>

#include "framework/picture.h"
#include "support/worksheet_fixture.h"

using namespace framework;
using testsupport::DrawCall;

namespace {

class DivisionRunTest : public testsupport::WorksheetTest {
protected:
    void Run(const std::string& divider, const std::string& divided) {
        sheet().ClearJournal();
        window->NewDivision(divider, divided);
    }
    int steps() { return static_cast<int>(window->LDsteps.size()) - 1; }
    const DrawCall* lastTextAt(double x, double y) {
        const DrawCall* found = nullptr;
        for (const auto& call : journal()) {
            if (call.shape == DrawCall::Shape::Text && call.x1 == x && call.y1 == y) found = &call;
        }
        return found;
    }
};

}  // namespace

TEST_F(DivisionRunTest, TheRepeatIsMarkedOnceAndLaterTextIsPlainAgain) {
    Run("3", "1");
    EXPECT_EQ(rowText(1), ".33");
    // A translucent bold red X over the 3 that starts the next period...
    const DrawCall* mark = lastTextAt(71, 58);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->text, "X");
    EXPECT_EQ(mark->fillColor, RGB(255, 0, 0));
    EXPECT_EQ(mark->fill, 70);
    EXPECT_TRUE(mark->bold);
    // ...and the message after it in plain black.
    const DrawCall* message = lastTextAt(550, 20);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text, "Repeating decimal tail.");
    EXPECT_EQ(message->fillColor, kBlack);
    EXPECT_EQ(message->fill, 100);
    EXPECT_FALSE(message->bold);
    EXPECT_TRUE(window->StringAtDivisionEnd);

    // The next run's digits are plain too.
    Run("12", "156");
    const DrawCall* digit = lastTextAt(71, 58);
    ASSERT_NE(digit, nullptr);
    EXPECT_EQ(digit->text, "1");
    EXPECT_EQ(digit->fillColor, kBlack);
    EXPECT_EQ(digit->fill, 100);
    EXPECT_FALSE(digit->bold);
}

TEST_F(DivisionRunTest, ASecondRunStartsFromAClearedSheet) {
    Run("97", "1");
    window->DrawStep(3);
    Run("12", "156");
    EXPECT_EQ(window->Title(), "Long Division:  156/12");
    ASSERT_FALSE(journal().empty());
    const DrawCall& clear = journal().front();
    EXPECT_EQ(clear.kind, DrawCall::Kind::ClearRect);
    EXPECT_EQ(std::vector<double>({clear.x1, clear.y1, clear.x2, clear.y2}),
              std::vector<double>({0, 0, 1000, 800}));
    EXPECT_EQ(window->StepPic->Objects().Count(), 0);  // no highlight of the old step
    EXPECT_EQ(steps(), 2);
    EXPECT_EQ(window->Find<Canvas>("RectSelect", 3), nullptr);  // nor its click targets
    EXPECT_FALSE(window->StringAtDivisionEnd);
}

TEST_F(DivisionRunTest, HostileTextsNeverBreakTheRun) {
    const std::pair<const char*, const char*> accepted[] = {
        {"1a2", "1+5-6"}, {"1.2.", "3..4"}, {" 12", "156 "}};
    for (auto [divider, divided] : accepted) {
        SCOPED_TRACE(std::string(divided) + " / " + divider);
        Run(divider, divided);
        EXPECT_EQ(window->Title(), std::string("Long Division:  ") + divided + "/" + divider);
        EXPECT_GT(steps(), 0);
    }
    const std::pair<std::string, std::string> refused[] = {
        {"", "5"},
        {"5", ""},
        {".", "5"},
        {"abc", "5"},
        {"-0", "5"},
        {"5", "0.000"},
        {"12345678", "5"},
        {"5", "123456789"},
        {"\xC3\xA9", "5"},
        {"5", "\x80\xFF"},
        {"0", "0"},
        {"9999999", "99.99.99.99"},
        {std::string(100000, '9'), std::string(100000, '.')}};
    for (const auto& [divider, divided] : refused) {
        SCOPED_TRACE(divided.substr(0, 20) + " / " + divider.substr(0, 20));
        Run("3", "1");
        Run(divider, divided);
        EXPECT_EQ(steps(), 0);
        EXPECT_EQ(window->Find<Canvas>("RectSelect", 1), nullptr);
        EXPECT_FALSE(window->StringAtDivisionEnd);
    }
    Run("9999999", "9999999");  // the largest numbers the dialog admits
    EXPECT_EQ(rowText(1), "1");
    Run("1", ".000001");
    EXPECT_EQ(rowText(1), ".000001");
}
