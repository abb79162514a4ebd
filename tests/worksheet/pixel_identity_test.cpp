// What a division draws, pinned down so that work on the drawing layer cannot change it: the
// journal of the worksheet bitmap must stay what it is, and the bitmap must be, pixel for
// pixel, what plain painter calls make of that journal.

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>

#include "framework/picture.h"
#include "support/journal_replay.h"
#include "support/worksheet_fixture.h"

namespace {

struct Problem {
    const char* name;
    const char* divider;
    const char* divided;
    std::size_t calls;   // in the journal of the division
    const char* digest;  // of the journal's text
};

void PrintTo(const Problem& p, std::ostream* os) {
    *os << p.name << ": NewDivision(\"" << p.divider << "\", \"" << p.divided << "\")";
}

// Names read "dividend_by_divisor"; "p" stands for the point.
const Problem kProblems[] = {
    {"156_by_12", "12", "156", 98, "288e9e164f8389e8"},
    {"22_by_7", "7", "22", 155, "20a513deaf886a74"},
    {"1_by_97", "97", "1", 875, "e1da07bf28854d18"},  // rows wrap, green remainders, out of room
    {"1_by_9973", "9973", "1", 1107, "1bfe2df76d48ed4b"},
    {"1385_by_1", "1", "1385", 108, "3f7f37a82ea30950"},
    {"1_by_3", "3", "1", 102, "fba3b0789e992240"},  // repeat mark: translucent bold red X and a bar
    {"0p1_by_3", "3", "0.1", 112, "ece63ea1e1ef517e"},
    {"10_by_4", "4", "10", 99, "31424d9e7a5a88bb"},  // a blue appended zero
    {"0p5_by_0p25", "0.25", "0.5", 91, "b97587694b376bbd"},
    {"0p5_by_007", "007", "0.5", 158, "a9d61dc62e3384d3"},
    {"refused_zero_divisor", "0", "5", 1, "ec43dedf4fec8f92"},
    {"refused_empty_dividend", "5", "", 1, "ec43dedf4fec8f92"},
    {"pasted_letters_and_sign", "a1b2.3", "4-5", 166, "9b0401d7b0b37390"},
};

class PixelIdentityTest : public testsupport::WorksheetTest,
                          public testing::WithParamInterface<Problem> {};

TEST_P(PixelIdentityTest, JournalAndBitmapAsBefore) {
    const Problem& problem = GetParam();
    sheet().ClearJournal();
    window->NewDivision(problem.divider, problem.divided);

    const std::string text = testsupport::JournalText(journal());
    const std::string digest = testsupport::Digest(text);
    EXPECT_EQ(journal().size(), problem.calls);
    EXPECT_EQ(digest, problem.digest);
    if (digest != problem.digest) {
        const std::string path = testing::TempDir() + "journal_" + problem.name + ".txt";
        std::ofstream(path) << text;
        ADD_FAILURE() << "the journal now drawn is in " << path;
    }

    const QImage expected = testsupport::ReplayJournal(journal(), 1000, 800);
    EXPECT_EQ(testsupport::PixelDifference(window->thepic->Image(), expected), "");
}

INSTANTIATE_TEST_SUITE_P(Divisions, PixelIdentityTest, testing::ValuesIn(kProblems),
                         [](const testing::TestParamInfo<Problem>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
