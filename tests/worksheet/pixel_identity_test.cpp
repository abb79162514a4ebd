// What a division draws, pinned down so that work on the drawing layer cannot change it: the
// journal of the worksheet bitmap must stay what it is, and the bitmap must be, pixel for
// pixel, what plain painter calls make of that journal.

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>

#include "framework/picture.h"
#include "support/journal_replay.h"
#include "support/worksheet_fixture.h"

namespace {

struct Problem {
    const char* divided;
    const char* divider;
    std::size_t calls;   // in the journal of the division
    const char* digest;  // of the journal's text
};

const Problem kProblems[] = {
    {"156", "12", 98, "288e9e164f8389e8"},
    {"22", "7", 155, "20a513deaf886a74"},
    {"1", "97", 875, "e1da07bf28854d18"},  // rows wrap, green remainders, out of room
    {"1", "9973", 1107, "1bfe2df76d48ed4b"},
    {"1385", "1", 108, "3f7f37a82ea30950"},
    {"1", "3", 102, "fba3b0789e992240"},  // repeat mark: translucent bold red X and a bar
    {"0.1", "3", 112, "ece63ea1e1ef517e"},
    {"10", "4", 99, "31424d9e7a5a88bb"},  // a blue appended zero
    {"0.5", "0.25", 91, "b97587694b376bbd"},
    {"0.5", "007", 158, "a9d61dc62e3384d3"},
    {"5", "0", 1, "ec43dedf4fec8f92"},  // refused: the sheet is only cleared
    {"", "5", 1, "ec43dedf4fec8f92"},
    {"4-5", "a1b2.3", 166, "9b0401d7b0b37390"},  // pasted letters and a sign
};

using PixelIdentityTest = testsupport::WorksheetTest;

}  // namespace

// The problems run one after the other on one window, so each journal is also that of a sheet
// that held another division before.
TEST_F(PixelIdentityTest, JournalsAndBitmapsAsBefore) {
    for (const Problem& problem : kProblems) {
        const std::string name = std::string(problem.divided) + " / " + problem.divider;
        SCOPED_TRACE(name);
        sheet().ClearJournal();
        window->NewDivision(problem.divider, problem.divided);

        const std::string text = testsupport::JournalText(journal());
        EXPECT_EQ(journal().size(), problem.calls);
        if (testsupport::Digest(text) != problem.digest) {
            std::string file = name;
            for (char& c : file) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
            const std::string path = testing::TempDir() + "journal_" + file + ".txt";
            std::ofstream(path) << text;
            ADD_FAILURE() << "digest " << testsupport::Digest(text) << " instead of "
                          << problem.digest << "; the journal now drawn is in " << path;
        }

        const QImage expected = testsupport::ReplayJournal(journal(), 1000, 800);
        EXPECT_EQ(testsupport::PixelDifference(window->thepic->Image(), expected), "");
    }
}
