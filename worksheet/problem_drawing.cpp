// The problem on row 2: divisor from column 1, the bracket stroke through the next column, the
// dividend after it under a line. A point takes no column: it sits on the border between two
// digits, in the dividend row and again in the quotient row.
//
//   row 1  |            .
//   row 2  |   1 2 | 1 5 . 6        (the line over the dividend runs from the stroke on)

#include "worksheet/rows.h"
#include "worksheet/window1.h"

namespace worksheet {

using namespace framework;

void Window1::printEquation() {
    Graphics& g = thepic->Graphics();
    for (std::int32_t i = 1; i <= Len(dividerOriginal); ++i) {
        DrawCell(Mid(dividerOriginal, i, 1), i, kProblemRow);
        RefreshCanvas();
    }

    ColPosition = Len(dividerOriginal) + 1;
    dividedLineXposition = CellTextX(ColPosition);
    g.DrawLine(dividedLineXposition, gridHeight + Offset, dividedLineXposition,
               2 * gridHeight + Offset);
    RefreshCanvas();

    ColPosition += 1;
    std::int32_t c = ColPosition;
    for (std::int32_t i = 1; i <= Len(dividedOriginal); ++i) {
        const String ch = Mid(dividedOriginal, i, 1);
        if (ch != ".") {
            DrawCell(ch, c, kProblemRow);
            c += 1;
        } else {
            t->Text = ch;
            g.DrawObject(t, c * gridWidth, CellTextY(kProblemRow));
            g.DrawObject(t, c * gridWidth, CellTextY(kQuotientRow));
        }
    }
    RefreshCanvas();

    g.DrawLine(dividedLineXposition, gridHeight + Offset, c * gridWidth, gridHeight + Offset);
    RefreshCanvas();
    dividedLineXposition = c * gridWidth;
}

}  // namespace worksheet
