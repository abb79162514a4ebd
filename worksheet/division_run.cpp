// A whole division in one call: reset, column stripes, the problem, the steps over the
// dividend's own digits, then decimal steps until the remainder is 0, a remainder repeats or
// the sheet has no column left.

#include "entry/window_input.h"
#include "framework/runtime.h"
#include "worksheet/decimal_point.h"
#include "worksheet/number_text.h"
#include "worksheet/rect_select.h"

namespace worksheet {

using namespace framework;

namespace {

constexpr Color kAppendedZero = RGB(0, 0, 255);
constexpr Color kRewrittenRemainder = RGB(0, 255, 0);
constexpr Color kRepeatMark = RGB(255, 0, 0);
constexpr Color kStripeColours[4] = {RGB(255, 255, 200), RGB(255, 200, 255), RGB(200, 200, 255),
                                     RGB(200, 255, 255)};
constexpr double kStripeFill = 50;
constexpr double kRepeatMarkFill = 70;

constexpr const char* kOutOfRoomMessage = "no more room to calculate, results incomplete!";
constexpr const char* kRepeatMessage = "Repeating decimal tail.";

// What the entry dialog admits: at most 7 characters that do not read as zero.
bool Workable(const String& number) { return Len(number) <= kLongestNumber && Val(number) != 0; }

void StripLeadingZeros(String& text) {
    while (Left(text, 1) == "0") text = Mid(text, 2, Len(text) - 1);
}

}  // namespace

void Window1::NewDivision(const String& divider, const String& divided) {
    ResetWorksheet(divider, divided);
    // The run works on digits and one point; text that no key filter has seen is cut down here.
    dividerOriginal = DigitsAndFirstPoint(divider);
    dividedOriginal = DigitsAndFirstPoint(divided);
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

    const bool stepped = getFirst();
    WorkDividendDigits(stepped);
    if (Val(myDivided) == 0) return;  // exact within the dividend's own digits
    WorkDecimalPlaces(stepped);
}

// A step for each digit of the dividend from the first partial dividend on; a point takes no
// column. When no leading part reaches the divisor there is no step yet.
void Window1::WorkDividendDigits(bool stepped) {
    if (!stepped) {
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
// remainder comes back (its key equals an earlier one) or the sheet has no column left.
void Window1::WorkDecimalPlaces(bool stepped) {
    const std::int32_t maxRows =
        Trunc(static_cast<double>(thepic->Height() - Offset - gridHeight) / gridHeight);
    const std::int32_t maxCols = Trunc(static_cast<double>(thepic->Width()) / gridWidth);
    Graphics& g = thepic->Graphics();

    Remainders.at(0) = Str(ColPosition) + "," + Str(RowPosition);
    if (!hasDecimalPoint) {
        t->Text = ".";
        g.DrawObject(t, (ColPosition + 1) * gridWidth, CellTextY(1));
        g.DrawObject(t, (ColPosition + 1) * gridWidth, CellTextY(2));
        RefreshCanvas();
    }
    for (;;) {
        ColPosition += 1;
        t->FillColor = kAppendedZero;
        DrawCell("0", ColPosition, 2);
        g.DrawLine(dividedLineXposition, gridHeight + Offset, dividedLineXposition + gridWidth,
                   gridHeight + Offset);
        RefreshCanvas();
        dividedLineXposition += gridWidth;
        t->FillColor = kBlack;
        RefreshCanvas();

        myDivided += "0";
        if (stepped) {
            dropNextDigit("0");
            RowPosition += 1;
        } else {
            stepped = true;  // the first partial dividend stands in row 2 itself
        }
        // A step's key: its partial dividend, then its product and remainder.
        Remainders.push_back(myDivided + "0-");
        DoSubDivision();

        if (maxCols < ColPosition) {
            StringAtDivisionEnd = true;
            StringatdivisionendSTR = kOutOfRoomMessage;
            PrintText(StringatdivisionendSTR);
            RefreshCanvas();
            return;
        }
        if (maxRows - 7 < RowPosition) {
            // Back to the top: the remainder is written again, in green, on row 4.
            RowPosition = 4;
            t->FillColor = kRewrittenRemainder;
            DrawRightAligned(myDivided, ColPosition, RowPosition);
            t->FillColor = kBlack;
            RefreshCanvas();
        }
        String& key = Remainders.back();
        key += toSubtract + "=" + myDivided + "0";
        if (Val(myDivided) == 0) return;
        for (std::size_t i = 1; i + 1 < Remainders.size(); ++i) {
            if (Remainders[i] == key) {
                dorepeating(static_cast<std::int32_t>(i));
                return;
            }
        }
    }
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
    RowPosition = 3;
    ColPosition = 0;
    dividerOriginal = divider;
    dividedOriginal = divided;
    Remainders.resize(1);
    CloseEntryDialog();
}

// Pastel stripes, one colour per column in a cycle of four, from row 1 to the bottom. The
// stripe for x = 13k is centred on x - 6.5, so it covers column k - 1.
void Window1::PaintColumnStripes() {
    auto stripe = New<RectShape>();
    stripe->Fill = kStripeFill;
    stripe->BorderWidth = 0;
    stripe->Width = gridWidth;
    stripe->Height = thepic->Height() - Offset;
    const std::int32_t maxCols = Trunc(static_cast<double>(thepic->Width()) / gridWidth);
    const std::int32_t centreY = Trunc(Offset + (thepic->Height() - Offset) / 2.0);
    Graphics& g = thepic->Graphics();
    for (std::int32_t x = 0; x < maxCols * gridWidth + gridWidth; x += gridWidth) {
        stripe->FillColor = kStripeColours[x % 4];
        g.DrawObject(stripe, Trunc(x - gridWidth / 2.0), centreY);
    }
    RefreshCanvas();
}

// One period of the quotient is marked: a bar over it and a red X over the first digit of the
// next period.
void Window1::dorepeating(std::int32_t i) {
    const std::int32_t start = Trunc(Val(NthField(Remainders.at(0), ",", 1)));
    t->Fill = kRepeatMarkFill;
    t->Bold = true;
    t->FillColor = kRepeatMark;
    DrawCell("X", ColPosition, 1);
    RefreshCanvas();
    thepic->Graphics().DrawLine((start + i) * gridWidth, Offset, ColPosition * gridWidth, Offset);
    RefreshCanvas();
    t->Fill = 100;
    t->FillColor = kBlack;
    t->Bold = false;

    StringAtDivisionEnd = true;
    StringatdivisionendSTR = kRepeatMessage;
    LDsteps.back()->IsEndRepeat = true;
    LDsteps.back()->colRepeat = start + i;
    PrintText(StringatdivisionendSTR);
    RefreshCanvas();
}

// The entry dialog closes as soon as its problem is being worked.
void Window1::CloseEntryDialog() {
    if (auto* dialog = Runtime::Current().FindOpenWindow<entry::WindowInput>()) dialog->Close();
}

}  // namespace worksheet
