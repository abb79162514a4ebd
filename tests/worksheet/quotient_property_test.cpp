// For random problems of the kind the entry dialog admits, the worksheet must show the long
// division a person writes: worked out again here on integers, step by step, and compared with
// what the window drew, text by text, and with the steps it keeps for the click targets.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <set>

#include "support/worksheet_fixture.h"

namespace {

using framework::Color;
using framework::DrawCall;
using framework::kBlack;
using framework::RGB;

constexpr Color kBlue = RGB(0, 0, 255);
constexpr Color kGreen = RGB(0, 255, 0);
constexpr Color kRed = RGB(255, 0, 0);

// A step in a column right of 76 finds no room; a remainder written below row 30 is written
// again on row 4 and the work goes on from there.
constexpr int kLastColumn = 76;
constexpr int kLastRow = 30;
constexpr int kWrapRow = 4;

// The problem as the sheet writes it: both points moved right until the divisor is whole.
struct Written {
    std::string divisor;   // digits without leading zeros
    std::string dividend;  // digits, perhaps with leading zeros (0.05 is "005")
    int point = -1;        // how many of them stand before the point; -1: no point
};

std::string WithoutLeadingZeros(std::string number) {
    return number.erase(0, number.find_first_not_of('0'));
}

// "12.50" as "12" and "5": a fraction's trailing zeros are none of its digits.
std::pair<std::string, std::string> Split(const std::string& number) {
    const auto point = number.find('.');
    if (point == std::string::npos) return {number, ""};
    std::string fraction = number.substr(point + 1);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return {number.substr(0, point), fraction};
}

Written Write(const std::string& divisor, const std::string& dividend) {
    const auto [divisorWhole, divisorFraction] = Split(WithoutLeadingZeros(divisor));
    const auto [whole, fraction] = Split(WithoutLeadingZeros(dividend));
    const std::string integer = fraction.empty() || !whole.empty() ? whole : "0";
    const std::size_t shift = divisorFraction.size();
    Written written{WithoutLeadingZeros(divisorWhole + divisorFraction), integer + fraction};
    if (fraction.size() > shift) {
        written.point = static_cast<int>(integer.size() + shift);
    } else {
        written.dividend += std::string(shift - fraction.size(), '0');
    }
    return written;
}

// The written problem divides to the same quotient as the typed one: compared as fractions in
// millionths, as a text of 7 characters has at most 6 decimals.
__int128 Millionths(std::string text) {
    const auto point = text.find('.');
    const std::size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    if (point != std::string::npos) text.erase(point, 1);
    __int128 value = 0;
    for (char c : text + std::string(6 - decimals, '0')) value = value * 10 + (c - '0');
    return value;
}
bool SameQuotient(const Written& w, const std::string& divisor, const std::string& dividend) {
    std::string written = w.dividend;
    if (w.point >= 0) written.insert(w.point, ".");
    return Millionths(dividend) * Millionths(w.divisor) ==
           Millionths(written) * Millionths(divisor);
}

struct Mark {
    double x, y;
    std::string text;
    Color colour;
    bool operator==(const Mark&) const = default;
};

using Line = std::array<double, 4>;  // x1, y1, x2, y2
using Step = std::array<int, 4>;     // row, col, length, divided

struct Worked {
    std::vector<Mark> marks;  // every text, in the order it is written
    std::vector<Step> steps;
    std::vector<Line> lines;  // the bracket, under each product, the repeat's bar
    int repeatFrom = 0;       // the column of the repeat's first digit; 0 when none
    std::string end;          // the message the band is left with
    bool wrapped = false;
};

// Long division by hand, on the sheet's grid: cell (col, row) has its text centred on x
// 13 col + 6 with its baseline at y 20 row + 38; row 1 holds the quotient, row 2 the problem.
class ByHand {
public:
    explicit ByHand(const Written& w) : w_(w), divisor_(std::stoll(w.divisor)) {}

    Worked Work() {
        WriteProblem();
        if (!FindFirstPartial()) {
            // No leading digits take the divisor: the whole dividend row is divided.
            col_ = Width() + 1 + static_cast<int>(w_.dividend.size());
            return WorkDecimals(false);
        }
        const long long remainder = WorkDigits();
        if (remainder == 0) return out_;
        partial_ = std::to_string(remainder);
        return WorkDecimals(true);
    }

private:
    int Width() const { return static_cast<int>(w_.divisor.size()); }

    // The problem; the point sits on the border before the digit it precedes, in the dividend
    // and above it in the quotient row. The bracket's stroke runs down the middle of the column
    // after the divisor, the line over the dividend from it to the end.
    void WriteProblem() {
        const std::string& digits = w_.dividend;
        Write(w_.divisor, Width(), 2);
        for (int i = 0; i < static_cast<int>(digits.size()); ++i) {
            if (i == w_.point) Point(Width() + 2 + i, {2, 1});
            Write(digits.substr(i, 1), Width() + 2 + i, 2);
        }
        const double stroke = 13.0 * (Width() + 1) + 6;
        out_.lines.push_back({stroke, 60, stroke, 80});
        out_.lines.push_back({stroke, 60, 13.0 * (Width() + 2 + digits.size()), 60});
    }

    // The first partial dividend: digits until the divisor goes into them, false when it goes
    // into none. Those after the point that it does not go into get a 0 in the quotient.
    bool FindFirstPartial() {
        const std::string& digits = w_.dividend;
        for (col_ = Width() + 2; used_ < digits.size(); ++used_, ++col_) {
            partial_ += digits[used_];
            if (std::stoll(partial_) >= divisor_) return true;
            if (w_.point >= 0 && static_cast<int>(used_) >= w_.point) Write("0", col_, 1);
        }
        return false;
    }

    // A step on the first partial dividend, then one for each digit brought down; the last
    // remainder.
    long long WorkDigits() {
        const std::string& digits = w_.dividend;
        long long remainder = Divide(partial_, col_, row_);
        while (++used_ < digits.size()) {
            Write(digits.substr(used_, 1), ++col_, row_++);  // brought down
            remainder = Divide(std::to_string(remainder) + digits[used_], col_, row_);
        }
        return remainder;
    }

    // Zeros appended for the decimal places, until the remainder is 0, a partial dividend comes
    // back or the sheet is full.
    Worked WorkDecimals(bool stepped) {
        const int start = col_;
        if (w_.point < 0) Point(col_ + 1, {1, 2});
        std::vector<std::string> earlier;
        for (;; stepped = true) {
            Write("0", ++col_, 2, kBlue);
            out_.lines.push_back({13.0 * col_, 60, 13.0 * (col_ + 1), 60});
            partial_ += "0";
            if (stepped) Write("0", col_, row_++);
            const long long remainder = Divide(partial_, col_, row_);
            if (col_ > kLastColumn) return End("no more room to calculate, results incomplete!");
            if (row_ > kLastRow) Wrap(remainder);
            if (remainder == 0) return out_;
            // The same partial dividend written again: the digits since are one period. (A
            // first one written with leading zeros, 010 for 0.1 / 3, is not met again.)
            const auto same = std::find(earlier.begin(), earlier.end(), partial_);
            if (same != earlier.end()) {
                return Repeat(start + 1 + static_cast<int>(same - earlier.begin()));
            }
            earlier.push_back(partial_);
            partial_ = std::to_string(remainder);
        }
    }

    void Wrap(long long remainder) {
        row_ = kWrapRow;
        Write(std::to_string(remainder), col_, row_, kGreen);
        out_.wrapped = true;
    }

    Worked Repeat(int from) {
        out_.repeatFrom = from;
        Write("X", col_, 1, kRed);
        out_.lines.push_back({13.0 * from, 40, 13.0 * col_, 40});
        return End("Repeating decimal tail.");
    }

    // `text` right-aligned to end in column `col`.
    void Write(const std::string& text, int col, int row, Color colour = kBlack) {
        const int first = col - static_cast<int>(text.size()) + 1;
        for (std::size_t i = 0; i < text.size(); ++i) {
            out_.marks.push_back({13.0 * (first + static_cast<int>(i)) + 6, 20.0 * row + 38,
                                  text.substr(i, 1), colour});
        }
    }
    void Point(int col, std::initializer_list<int> rows) {
        for (int row : rows) out_.marks.push_back({13.0 * col, 20.0 * row + 38, ".", kBlack});
    }
    // One step in column `col`: quotient digit, product on `row` with its line, remainder below.
    long long Divide(const std::string& partial, int col, int& row) {
        const long long value = std::stoll(partial);
        const long long quotient = value / divisor_;
        Write(std::to_string(quotient), col, 1);
        const std::string product = "-" + std::to_string(quotient * divisor_);
        Write(product, col, row);
        const double lineY = 20.0 * row + 40;
        out_.lines.push_back(
            {13.0 * (col - static_cast<int>(product.size()) + 1), lineY, 13.0 * (col + 1), lineY});
        Write(std::to_string(value % divisor_), col, ++row);
        out_.steps.push_back(
            {row, col, static_cast<int>(std::to_string(value).size()), static_cast<int>(value)});
        return value % divisor_;
    }
    Worked End(const std::string& message) {
        out_.end = message;
        out_.marks.push_back({550, 20, message, kBlack});
        return out_;
    }

    const Written& w_;
    const long long divisor_;
    Worked out_;
    int col_ = 0;
    int row_ = 3;
    std::size_t used_ = 0;
    std::string partial_;
};

std::string Describe(const std::vector<Mark>& marks, std::size_t i) {
    if (i >= marks.size()) return "nothing";
    const Mark& m = marks[i];
    return '"' + m.text + "\" at x " + std::to_string(static_cast<int>(m.x)) + ", y " +
           std::to_string(static_cast<int>(m.y)) + (m.colour != kBlack ? ", not black" : "");
}

std::string RandomNumber(std::mt19937& random) {
    for (;;) {
        const int length = std::uniform_int_distribution<int>(1, 7)(random);
        const int point = std::uniform_int_distribution<int>(-1, length - 1)(random);
        std::string text;
        for (int i = 0; i < length; ++i) {
            text += i == point ? '.' : char('0' + std::uniform_int_distribution<int>(0, 9)(random));
        }
        if (text.find_first_of("123456789") != std::string::npos) return text;
    }
}

class QuotientPropertyTest : public testsupport::WorksheetTest {
protected:
    // Every text drawn, in order, and every line the work needs.
    void ExpectDrawn(const Worked& expected) {
        std::vector<Mark> drawn;
        std::set<Line> lines;
        for (const auto& call : journal()) {
            if (call.shape == DrawCall::Shape::Text) {
                drawn.push_back({call.x1, call.y1, call.text, call.fillColor});
            } else if (call.kind == DrawCall::Kind::Line) {
                lines.insert({call.x1, call.y1, call.x2, call.y2});
            }
        }
        const auto at =
            std::mismatch(expected.marks.begin(), expected.marks.end(), drawn.begin(), drawn.end());
        const auto i = static_cast<std::size_t>(at.first - expected.marks.begin());
        ASSERT_TRUE(i == expected.marks.size() && i == drawn.size())
            << "text " << i << " of " << expected.marks.size() << ": expected "
            << Describe(expected.marks, i) << ", drawn " << Describe(drawn, i);
        for (const Line& l : expected.lines) {
            ASSERT_TRUE(lines.contains(l))
                << "no line from " << l[0] << "," << l[1] << " to " << l[2] << "," << l[3];
        }
    }

    // The step records, the click targets over them and the end of the run.
    void ExpectRecords(const Worked& expected) {
        const auto& records = window->LDsteps;
        ASSERT_EQ(records.size(), expected.steps.size() + 1);
        for (std::size_t k = 1; k < records.size(); ++k) {
            const auto& r = *records[k];
            ASSERT_EQ((Step{r.row, r.col, r.length, r.divided}), expected.steps[k - 1])
                << "step " << k;
            ASSERT_EQ(r.IsEndRepeat, expected.repeatFrom && k + 1 == records.size());
            ASSERT_EQ(window->RectSelect(k).Left(), 13 * r.col) << "click target " << k;
        }
        if (expected.repeatFrom) {
            ASSERT_EQ(records.back()->colRepeat, expected.repeatFrom);
        }
        ASSERT_EQ(window->StringAtDivisionEnd, !expected.end.empty());
    }
};

}  // namespace

TEST_F(QuotientPropertyTest, TheSheetShowsTheLongDivisionWorkedByHand) {
    std::mt19937 random(20261206);
    std::map<std::string, int> seen;  // how many problems of each kind ran
    for (int n = 0; n < 600; ++n) {
        const std::string divider = RandomNumber(random);
        const std::string divided = RandomNumber(random);
        SCOPED_TRACE(divided + " / " + divider);
        const Written written = Write(divider, divided);
        ASSERT_TRUE(SameQuotient(written, divider, divided)) << written.dividend;
        const Worked expected = ByHand(written).Work();

        sheet().ClearJournal();
        window->NewDivision(divider, divided);
        framework::Runtime::Current().DestroyClosed();

        ExpectDrawn(expected);
        if (HasFatalFailure()) return;
        ExpectRecords(expected);
        if (HasFatalFailure()) return;

        ++seen[expected.repeatFrom ? "repeating" : expected.end.empty() ? "exact" : "out of room"];
        if (expected.wrapped) ++seen["wrapped"];
        if (written.dividend[0] == '0') ++seen["dividend written with a leading zero"];
    }
    // The random problems must have taken every way a division can go.
    for (const char* kind :
         {"exact", "repeating", "out of room", "wrapped", "dividend written with a leading zero"}) {
        EXPECT_GT(seen[kind], 2) << kind;
    }
}
