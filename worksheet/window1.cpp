#include "worksheet/window1.h"

#include "worksheet/rect_select.h"

namespace worksheet {

using namespace framework;

namespace {

const WindowDesign kDesign{
    .title = "Long Division",
    .width = 1000,
    .height = 750,
    .closeButton = false,
};

// The canvas is wider than the worksheet, which is why messages centre at x 550.
constexpr int kCanvasWidth = 1100;
constexpr int kCanvasHeight = 750;

constexpr int kSheetWidth = 1000;
constexpr int kSheetHeight = 800;
constexpr double kHighlightFill = 35;

}  // namespace

void Window1::Layout() { ApplyDesign(kDesign); }

void Window1::CreateControls() { _CreateControls0(); }

void Window1::_CreateControls0() {
    auto& canvas = Add(std::make_unique<Canvas>(
        ControlDesign{.name = "Canvas1", .width = kCanvasWidth, .height = kCanvasHeight}));
    canvas.SetPaint([this](Canvas& sender, Graphics& g) { Canvas1_Paint(sender, g); });
    Add(std::make_unique<worksheet::RectSelect>(*this, 0));
}

void Window1::Event_Open() {
    thepic = NewPicture(kSheetWidth, kSheetHeight, 16);
    StepPic = NewPicture(kSheetWidth, kSheetHeight, 0);
    StepPic->Transparent = 1;
    t = New<StringShape>();
    t->TextSize = 16;
    // The fifth rectangle is made and styled with the four highlights, though nothing draws it.
    for (auto* shape : {&r_repeatstart, &r_answer, &r_chose, &r_divided, &r_subtract}) {
        *shape = New<RectShape>();
        (*shape)->Fill = kHighlightFill;
        (*shape)->Height = static_cast<double>(gridHeight);
    }
    r_chose->FillColor = RGB(0, 255, 255);
    r_divided->FillColor = RGB(0, 0, 255);
    r_subtract->FillColor = RGB(255, 0, 0);
    r_answer->FillColor = RGB(0, 255, 0);
    r_repeatstart->FillColor = RGB(255, 0, 255);
}

Canvas& Window1::Canvas1() const { return Named<Canvas>("Canvas1"); }

Canvas& Window1::RectSelect(std::int32_t index) const { return Named<Canvas>("RectSelect", index); }

// The paint only copies the two pictures; nothing is computed here.
void Window1::Canvas1_Paint(Canvas&, Graphics& g) {
    if (thepic) g.DrawPicture(thepic, 0, 0);
    if (StepPic) g.DrawPicture(StepPic, 0, 0);
}

}  // namespace worksheet
