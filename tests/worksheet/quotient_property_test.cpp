// For random problems of the kind the entry dialog admits, the quotient row must read as the
// exact decimal expansion of dividend / divisor, and the run must end in exactly one way.

#include <gtest/gtest.h>

#include <random>

#include "support/worksheet_fixture.h"

namespace {

// An independent long division on integers: the digits of a / b, point included.
struct Expansion {
    std::string integer;   // without leading zeros; empty for 0
    std::string fraction;  // as many digits as asked for
    bool terminates = false;
};

// A number text of digits and at most one point as numerator and power of ten.
std::pair<unsigned __int128, int> Scaled(const std::string& text) {
    unsigned __int128 value = 0;
    int decimals = 0;
    bool point = false;
    for (char c : text) {
        if (c == '.') {
            point = true;
            continue;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
        decimals += point ? 1 : 0;
    }
    return {value, decimals};
}

Expansion Expand(const std::string& divided, const std::string& divider, int digits) {
    auto [a, da] = Scaled(divided);
    auto [b, db] = Scaled(divider);
    for (int i = 0; i < db; ++i) a *= 10;
    for (int i = 0; i < da; ++i) b *= 10;
    Expansion e;
    unsigned __int128 q = a / b;
    unsigned __int128 r = a % b;
    for (; q > 0; q /= 10) e.integer.insert(e.integer.begin(), char('0' + int(q % 10)));
    for (int i = 0; i < digits && r != 0; ++i) {
        r *= 10;
        e.fraction += char('0' + int(r / b));
        r %= b;
    }
    e.terminates = r == 0;
    return e;
}

std::string RandomNumber(std::mt19937& random) {
    for (;;) {
        const int length = std::uniform_int_distribution<int>(1, 7)(random);
        const int point = std::uniform_int_distribution<int>(-1, length - 1)(random);
        std::string text;
        for (int i = 0; i < length; ++i) {
            text += i == point ? '.' : char('0' + std::uniform_int_distribution<int>(0, 9)(random));
        }
        if (framework::Val(text) != 0) return text;
    }
}

class QuotientPropertyTest : public testsupport::WorksheetTest {};

}  // namespace

TEST_F(QuotientPropertyTest, QuotientRowIsTheExactExpansion) {
    std::mt19937 random(20261206);
    const int problems = 2000;
    for (int n = 0; n < problems; ++n) {
        const std::string divider = RandomNumber(random);
        const std::string divided = RandomNumber(random);
        SCOPED_TRACE(divided + " / " + divider);
        sheet().ClearJournal();
        window->NewDivision(divider, divided);
        framework::Runtime::Current().DestroyClosed();

        const std::string row = rowText(1);
        const auto point = row.find('.');
        const std::string integer = row.substr(0, point);
        const std::string fraction = point == std::string::npos ? "" : row.substr(point + 1);
        ASSERT_EQ(row.find('.', point == std::string::npos ? row.size() : point + 1),
                  std::string::npos);
        const Expansion exact = Expand(divided, divider, static_cast<int>(fraction.size()) + 1);
        ASSERT_EQ(integer, exact.integer);
        ASSERT_EQ(fraction, exact.fraction.substr(0, fraction.size()));

        const auto& steps = window->LDsteps;
        const bool repeat = steps.size() > 1 && steps.back()->IsEndRepeat;
        const bool outOfRoom = window->StringAtDivisionEnd && !repeat;
        ASSERT_GT(steps.size(), 1u);
        if (repeat) {
            ASSERT_TRUE(window->StringAtDivisionEnd);
            ASSERT_EQ(window->StringatdivisionendSTR, "Repeating decimal tail.");
            ASSERT_FALSE(exact.terminates);
        } else if (outOfRoom) {
            ASSERT_EQ(window->StringatdivisionendSTR,
                      "no more room to calculate, results incomplete!");
            ASSERT_EQ(steps.back()->col, 77);
        } else {
            // Exact, in the integer or the decimal phase: nothing more to draw.
            ASSERT_EQ(fraction.size(), exact.fraction.size());
            ASSERT_TRUE(exact.terminates);
        }
        for (std::size_t k = 1; k + 1 < steps.size(); ++k) ASSERT_FALSE(steps[k]->IsEndRepeat);
    }
}
