// A whole division in one call: reset, column stripes, the problem, the steps over the
// dividend's own digits, then decimal steps until the remainder is 0, a remainder repeats or
// the sheet has no column left.

#include "core/decimal_point.h"
#include "core/number_text.h"
#include "core/repeat_key.h"
#include "worksheet/mark_style.h"
#include "worksheet/rows.h"
#include "worksheet/window1.h"

namespace worksheet {

using namespace framework;

namespace {

constexpr Color kAppendedZero = RGB(0, 0, 255);
constexpr Color kRewrittenRemainder = RGB(0, 255, 0);
constexpr Color kRepeatMark = RGB(255, 0, 0);
constexpr double kRepeatMarkFill = 70;
// Pastel stripes, one colour per column in a cycle of four, starting at column 0.
constexpr Color kColumnColours[4] = {RGB(255, 200, 255), RGB(200, 200, 255), RGB(200, 255, 255),
                                     RGB(255, 255, 200)};
constexpr double kStripeFill = 50;

// A remainder written on the last rows above this margin is written again at the top, on the
// row of the first remainder, and the work goes on from there.
constexpr std::int32_t kWrapMargin = 7;
constexpr std::int32_t kWrapRow = kFirstWorkRow + 1;

constexpr const char* kOutOfRoomMessage = "no more room to calculate, results incomplete!";
constexpr const char* kRepeatMessage = "Repeating decimal tail.";

// What the entry dialog admits: at most 7 characters that do not read as zero.
bool Workable(const String& number) {
    return Len(number) <= core::kLongestNumber && Val(number) != 0;
}

void StripLeadingZeros(String& text) {
    while (Left(text, 1) == "0") text = Mid(text, 2, Len(text) - 1);
}

}  // namespace

void Window1::NewDivision(const String& divider, const String& divided) {
    ResetWorksheet(divider, divided);
    // The run works on digits and one point; text that no key filter has seen is cut down here.
    dividerOriginal = core::DigitsAndFirstPoint(divider);
    dividedOriginal = core::DigitsAndFirstPoint(divided);
    if (!Workable(dividerOriginal) || !Workable(dividedOriginal)) return;

    PaintColumnStripes();
    StripLeadingZeros(dividerOriginal);
    StripLeadingZeros(dividedOriginal);
    if (InStr(0, dividerOriginal, ".") > 0 || InStr(0, dividedOriginal, ".") > 0) {
        DecimalDivider();
    }
    printEquation();
    myDivider = dividerOriginal;
    hasDecimalPoint = InStr(0, dividedOriginal, ".") > 0;

    const Steps steps = getFirst() ? Steps::Made : Steps::None;
    WorkDividendDigits(steps);
    if (Val(myDivided) == 0) return;  // exact within the dividend's own digits
    WorkDecimalPlaces(steps);
}

void Window1::DecimalDivider() { core::NormaliseDecimalPoints(dividerOriginal, dividedOriginal); }

// A step for each digit of the dividend from the first partial dividend on; a point takes no
// column. When no leading part reaches the divisor there is no step yet.
void Window1::WorkDividendDigits(Steps steps) {
    if (steps == Steps::None) {
        myDivided = ReplaceAll(dividedOriginal, ".", "");
        ColPosition = Len(dividerOriginal) + Len(myDivided) + 1;
        return;
    }
    DoSubDivision();
    RefreshCanvas();
    while (DividedPosition < Len(dividedOriginal)) {
        DividedPosition += 1;
        const String ch = Mid(dividedOriginal, DividedPosition, 1);
        if (ch == ".") continue;
        ColPosition += 1;
        myDivided += ch;
        dropNextDigit(ch);
        RowPosition += 1;
        DoSubDivision();
    }
}

// A zero appended to the dividend for each decimal place, until the remainder is 0, a
// remainder comes back or the sheet has no column left.
void Window1::WorkDecimalPlaces(Steps steps) {
    const Limits limits = SheetLimits();
    Remainders.at(0) = core::DecimalStart(ColPosition, RowPosition);
    if (!hasDecimalPoint) {
        // On the border between the dividend's last digit and the first zero, in both rows.
        t->Text = ".";
        Graphics& g = thepic->Graphics();
        g.DrawObject(t, (ColPosition + 1) * gridWidth, CellTextY(kQuotientRow));
        g.DrawObject(t, (ColPosition + 1) * gridWidth, CellTextY(kProblemRow));
        RefreshCanvas();
    }
    while (DecimalPass(steps, limits) == Pass::GoOn) steps = Steps::Made;
}

Window1::Pass Window1::DecimalPass(Steps steps, Limits limits) {
    AppendZero();
    myDivided += "0";
    // Before the first step the partial dividend is the dividend row itself: nothing to bring
    // down.
    if (steps == Steps::Made) {
        dropNextDigit("0");
        RowPosition += 1;
    }
    Remainders.push_back(core::RepeatKeyOpening(myDivided));
    DoSubDivision();

    if (limits.maxCols < ColPosition) {
        EndOutOfRoom();
        return Pass::End;
    }
    if (limits.maxRows - kWrapMargin < RowPosition) WrapToTop();
    Remainders.back() += core::RepeatKeyClosing(toSubtract, myDivided);
    if (Val(myDivided) == 0) return Pass::End;
    if (const auto earlier = EarlierEqualKey()) {
        dorepeating(*earlier);
        return Pass::End;
    }
    return Pass::GoOn;
}

// A blue zero after the dividend, with the line over the dividend drawn on over it.
void Window1::AppendZero() {
    ColPosition += 1;
    {
        MarkStyle blue(*t, kAppendedZero);
        DrawCell("0", ColPosition, kProblemRow);
    }
    const std::int32_t lineY = gridHeight + Offset;
    thepic->Graphics().DrawLine(dividedLineXposition, lineY, dividedLineXposition + gridWidth,
                                lineY);
    RefreshCanvas();
    dividedLineXposition += gridWidth;
    RefreshCanvas();
}

// Back to the top: the remainder is written again, in green, where the first one stood.
void Window1::WrapToTop() {
    RowPosition = kWrapRow;
    {
        MarkStyle green(*t, kRewrittenRemainder);
        DrawRightAligned(myDivided, ColPosition, RowPosition);
    }
    RefreshCanvas();
}

void Window1::EndOutOfRoom() {
    StringAtDivisionEnd = true;
    StringatdivisionendSTR = kOutOfRoomMessage;
    PrintText(StringatdivisionendSTR);
    RefreshCanvas();
}

// The index of the first earlier key that the newest one repeats.
std::optional<std::int32_t> Window1::EarlierEqualKey() const {
    const String& newest = Remainders.back();
    for (std::size_t i = 1; i + 1 < Remainders.size(); ++i) {
        if (Remainders[i] == newest) return static_cast<std::int32_t>(i);
    }
    return std::nullopt;
}

// Rows that fit below the band and whole columns that fit across: 37 and 76.
Window1::Limits Window1::SheetLimits() const {
    return {
        .maxRows = Trunc(static_cast<double>(thepic->Height() - Offset - gridHeight) / gridHeight),
        .maxCols = Trunc(static_cast<double>(thepic->Width()) / gridWidth)};
}

void Window1::ResetWorksheet(const String& divider, const String& divided) {
    SetTitle("Long Division:  " + divided + "/" + divider);
    Refresh(true);
    StringAtDivisionEnd = false;
    for (auto i = static_cast<std::int32_t>(LDsteps.size()) - 1; i >= 1; --i) {
        LDsteps.erase(LDsteps.begin() + i);
        RectSelect(i).Close();
    }
    RemoveHighlights();
    RefreshCanvas();
    thepic->Graphics().ClearRect(0, 0, thepic->Width(), thepic->Height());
    RefreshCanvas();
    t->FillColor = kBlack;
    RowPosition = kFirstWorkRow;
    ColPosition = 0;
    dividerOriginal = divider;
    dividedOriginal = divided;
    Remainders.resize(1);
    CloseEntryDialog();
}

// A stripe for x = 13k is centred on x - 6.5, so it covers column k - 1: the stripes run from
// row 1 to the bottom over columns 0 to 75, and the one for k = 0 lies left of the sheet.
void Window1::PaintColumnStripes() {
    auto stripe = New<RectShape>();
    stripe->Fill = kStripeFill;
    stripe->BorderWidth = 0;
    stripe->Width = gridWidth;
    stripe->Height = thepic->Height() - Offset;
    const std::int32_t centreY = Trunc(Offset + (thepic->Height() - Offset) / 2.0);
    const std::int32_t lastStripe = SheetLimits().maxCols;
    Graphics& g = thepic->Graphics();
    for (std::int32_t k = 0; k <= lastStripe; ++k) {
        const std::int32_t column = k - 1;
        stripe->FillColor = kColumnColours[(column + 4) % 4];
        g.DrawObject(stripe, Trunc(k * gridWidth - gridWidth / 2.0), centreY);
    }
    RefreshCanvas();
}

// One period of the quotient is marked: a bar over it and a red X over the first digit of the
// next period.
void Window1::dorepeating(std::int32_t i) {
    const std::int32_t start = core::DecimalStartColumn(Remainders.at(0));
    {
        MarkStyle mark(*t, kRepeatMark, kRepeatMarkFill, true);
        DrawCell("X", ColPosition, kQuotientRow);
        RefreshCanvas();
        thepic->Graphics().DrawLine((start + i) * gridWidth, Offset, ColPosition * gridWidth,
                                    Offset);
        RefreshCanvas();
    }
    StringAtDivisionEnd = true;
    StringatdivisionendSTR = kRepeatMessage;
    LDsteps.back()->IsEndRepeat = true;
    LDsteps.back()->colRepeat = start + i;
    PrintText(StringatdivisionendSTR);
    RefreshCanvas();
}

}  // namespace worksheet
