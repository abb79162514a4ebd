// Texts that no key filter has seen, handed to a worksheet that holds another division with a
// step shown: a refused one leaves a clean sheet. (The digits of a division are checked by the
// quotient property test; their marks, and a pasted text with letters and a sign that is worked,
// by the pixel-identity test.)

#include <gtest/gtest.h>

#include "framework/picture.h"
#include "support/worksheet_fixture.h"

using namespace framework;

namespace {

class DivisionRunTest : public testsupport::WorksheetTest {
protected:
    void Run(const std::string& divider, const std::string& divided) {
        window->NewDivision(divider, divided);
    }
    int steps() { return static_cast<int>(window->LDsteps.size()) - 1; }
};

}  // namespace

TEST_F(DivisionRunTest, RefusedTextsLeaveACleanSheetAndTheLargestAreWorked) {
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
        window->DrawStep(2);
        Run(divider, divided);
        EXPECT_EQ(steps(), 0);
        EXPECT_EQ(window->Find<Canvas>("RectSelect", 1), nullptr);  // no old click targets
        EXPECT_EQ(window->StepPic->Objects().Count(), 0);           // no old highlights
        EXPECT_FALSE(window->StringAtDivisionEnd);
    }
    Run("9999999", "9999999");  // the largest numbers the dialog admits
    ASSERT_EQ(steps(), 1);
    EXPECT_EQ(window->LDsteps[1]->divided, 9999999);
}
