// Showing one step: four translucent highlights over its quotient digit, partial dividend,
// product and remainder, and its check equation in the message band.

#include "core/step_arithmetic.h"
#include "framework/picture.h"
#include "worksheet/rect_select.h"

namespace worksheet {

using namespace framework;

namespace {

constexpr const char* kRepeatStepMessage =
    "SubDivision repeats that at begining of repetition line.";
constexpr std::int32_t kMessageBaseline = 20;

}  // namespace

bool Window1::RectSelect_MouseDown(Canvas& sender, std::int32_t, std::int32_t) {
    if (!dynamic_cast<worksheet::RectSelect*>(&sender)) throw NilObjectException();
    if (const std::int32_t k = sender.Index(); k != 0) DrawStep(k);
    return false;
}

// The layer holds all four highlights or none.
void Window1::RemoveHighlights() {
    Group2D& layer = StepPic->Objects();
    for (const auto& highlight : {r_answer, r_divided, r_subtract, r_chose})
        layer.Remove(highlight);
}

void Window1::DrawStep(std::int32_t k) {
    RemoveHighlights();
    Group2D& layer = StepPic->Objects();

    const LongDivisionStep& s = *LDsteps.at(static_cast<std::size_t>(k));
    const double gw = gridWidth;
    const double gh = gridHeight;
    const double off = Offset;

    // Centres as Doubles, unrounded, so that each rectangle covers whole cells exactly.
    r_chose->X = static_cast<double>(s.col * gridWidth) + gw / 2.0;
    r_chose->Width = gw;
    r_chose->Y = gh / 2.0 + off;
    layer.Append(r_chose);

    r_divided->X = static_cast<double>((s.col + 1) * gridWidth) -
                   static_cast<double>(s.length * gridWidth) / 2.0;
    r_divided->Y = static_cast<double>((s.row - 3) * gridHeight) + gh / 2.0 + off;
    r_divided->Width = static_cast<double>(s.length * gridWidth);
    layer.Append(r_divided);

    for (auto [shape, rowsDown] : {std::pair{r_subtract, 1}, std::pair{r_answer, 2}}) {
        shape->X = r_divided->X;
        shape->Y = r_divided->Y + rowsDown * gh;
        shape->Width = r_divided->Width;
        layer.Append(shape);
    }

    eraseText();
    PrintText(s.IsEndRepeat ? String(kRepeatStepMessage)
                            : core::CheckEquation(myDivider, s.divided));
    RefreshCanvas();
}

void Window1::eraseText() {
    thepic->Graphics().ClearRect(0, 0, thepic->Width(), Offset);
    RefreshCanvas();
}

// Messages are centred on the middle of the canvas, which is wider than the sheet; the caller
// refreshes.
void Window1::PrintText(const String& message) {
    t->Text = message;
    thepic->Graphics().DrawObject(t, Trunc(Canvas1().Width() / 2.0), kMessageBaseline);
}

bool Window1::_EditDeselectAll_Action() {
    RemoveHighlights();
    if (StringAtDivisionEnd) {
        eraseText();
        PrintText(StringatdivisionendSTR);
    }
    RefreshCanvas();
    return true;
}

}  // namespace worksheet
