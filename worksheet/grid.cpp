// The worksheet grid: cell (c, r) spans x 13c to 13c + 13 and y 20r + 20 to 20r + 40. A
// character of the cell is centred on x 13c + 6 with its baseline 2 pixels above the cell's
// bottom edge; the message band above row 1 is no grid row.

#include "worksheet/window1.h"

namespace worksheet {

using namespace framework;

namespace {

constexpr std::int32_t kBaselineAboveCellBottom = 2;

}  // namespace

std::int32_t Window1::CellTextX(std::int32_t col) const {
    return Trunc(static_cast<double>(col * gridWidth) + gridWidth / 2.0);
}

std::int32_t Window1::CellTextY(std::int32_t row) const {
    return row * gridHeight - kBaselineAboveCellBottom + Offset;
}

void Window1::DrawCell(const String& text, std::int32_t col, std::int32_t row) {
    t->Text = text;
    thepic->Graphics().DrawObject(t, CellTextX(col), CellTextY(row));
}

void Window1::DrawRightAligned(const String& text, std::int32_t lastCol, std::int32_t row) {
    const std::int32_t n = Len(text);
    for (std::int32_t i = 1; i <= n; ++i) DrawCell(Mid(text, i, 1), lastCol - n + i, row);
}

void Window1::RefreshCanvas() { Canvas1().Refresh(true); }

}  // namespace worksheet
