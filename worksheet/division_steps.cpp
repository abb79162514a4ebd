// One long-division step at a time: the first partial dividend, a subtraction with its
// product and remainder, and a digit brought down beside the remainder.
//
//   row 1  |          1 3        quotient digit over the partial dividend's last digit
//   row 2  |  1 2 | 1 5 6
//   row 3  |      - 1 2          product, right-aligned, with the line under it
//   row 4  |          3 6        remainder, and the next digit brought down beside it

#include "core/step_arithmetic.h"
#include "worksheet/rect_select.h"
#include "worksheet/rows.h"

namespace worksheet {

using namespace framework;

bool Window1::getFirst() {
    myDivided.clear();
    const std::int32_t d = Trunc(Val(myDivider));
    DividedPosition = 1;
    bool afterPoint = false;
    for (std::int32_t i = 1; i <= Len(dividedOriginal); ++i) {
        const String ch = Mid(dividedOriginal, i, 1);
        if (ch == ".") {
            DividedPosition += 1;
            afterPoint = true;
            continue;
        }
        myDivided += ch;
        if (d <= Trunc(Val(myDivided))) return true;
        // Digits after the point that stay below the divisor get a 0 in the quotient.
        if (afterPoint) DrawCell("0", ColPosition, kQuotientRow);
        ColPosition += 1;
        DividedPosition += 1;
    }
    return false;
}

void Window1::DoSubDivision() {
    auto& target = worksheet::RectSelect::AddTo(*this);
    auto record = New<LongDivisionStep>();
    const core::StepResult step = core::ComputeStep(myDivided, myDivider);
    record->length = Len(Str(step.dividend));
    record->divided = step.dividend;
    toSubtract = Str(step.product);

    DrawCell(Str(step.quotient), ColPosition, kQuotientRow);
    target.SetLeft(ColPosition * gridWidth);
    target.SetTop(Offset);
    target.SetEnabled(true);

    const String subtracted = "-" + Str(step.product);
    const std::int32_t n = Len(subtracted);
    DrawRightAligned(subtracted, ColPosition, RowPosition);
    const std::int32_t lineY = RowPosition * gridHeight + Offset;
    thepic->Graphics().DrawLine((ColPosition - n + 1) * gridWidth, lineY,
                                (ColPosition + 1) * gridWidth, lineY);
    RefreshCanvas();

    RowPosition += 1;
    DrawRightAligned(Str(step.remainder), ColPosition, RowPosition);
    myDivided = Str(step.remainder);
    record->col = ColPosition;
    record->row = RowPosition;
    LDsteps.push_back(record);
    RefreshCanvas();
}

void Window1::dropNextDigit(const String& digit) {
    DrawCell(digit, ColPosition, RowPosition);
    RefreshCanvas();
}

}  // namespace worksheet
