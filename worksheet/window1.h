#pragma once
// The worksheet window: a long division drawn digit by digit on a grid.
//
//   band   |      Repeating decimal tail.            |  y 0..40: one message at a time
//   row 1  |           0 .  3  3  X                  |  quotient digits, click targets
//   row 2  |   3 | 1 . 0  0                          |  divisor, bracket, dividend
//   row 3+ |      -9                                 |  products and remainders
//
// Everything is drawn once into the bitmap `thepic`; the selected step's highlights lie on the
// transparent layer `StepPic`, and the canvas paints the one over the other.

#include <cstdint>
#include <vector>

#include "framework/canvas.h"
#include "framework/picture.h"
#include "framework/shapes.h"
#include "framework/text.h"
#include "framework/window.h"
#include "worksheet/long_division_step.h"

namespace worksheet {

using framework::Ref;
using framework::String;

class Window1 final : public framework::Window {
public:
    // The problem as given, then as normalised for working.
    String dividerOriginal;
    String dividedOriginal;
    Ref<framework::Picture> thepic;
    std::int32_t gridWidth = 13;
    std::int32_t gridHeight = 20;
    String dividerUsed;
    String dividedUsed;
    std::int32_t RowPosition = 0;
    std::int32_t ColPosition = 0;
    std::int32_t Offset = 40;  // height of the message band, top of row 1
    std::int32_t dividedLineXposition = 0;
    String dividedCurrent;
    String myDivided;  // the current partial dividend, then the step's remainder
    String myDivider;
    bool hasDecimalPoint = false;
    std::int32_t DividedPosition = 0;
    Ref<framework::StringShape> t;  // the one text shape all worksheet text is drawn with
    std::vector<String> Remainders = std::vector<String>(1);
    String toSubtract;
    std::vector<Ref<LongDivisionStep>> LDsteps = std::vector<Ref<LongDivisionStep>>(1);
    Ref<framework::Picture> StepPic;
    Ref<framework::RectShape> r_subtract;
    Ref<framework::RectShape> r_divided;
    Ref<framework::RectShape> r_answer;
    Ref<framework::RectShape> r_chose;
    bool StringAtDivisionEnd = false;
    String StringatdivisionendSTR;
    Ref<framework::RectShape> r_repeatstart;

    framework::Canvas& Canvas1() const;
    framework::Canvas& RectSelect(std::int32_t index) const;

    void Canvas1_Paint(framework::Canvas& sender, framework::Graphics& g);
    bool RectSelect_MouseDown(framework::Canvas& sender, std::int32_t x, std::int32_t y);
    void RectSelect_EnableMenuItems(framework::Canvas& sender);
    void Event_Activate() override;
    void Event_EnableMenuItems() override;
    void Event_Open() override;
    void Event_CloseRequest() override;
    bool _FileNewDivision_Action();
    bool _EditDeselectAll_Action();
    bool _Editcopy_Action();

    void NewDivision(const String& divider, const String& divided);
    void DecimalDivider();
    void printEquation();
    bool getFirst();
    void DoSubDivision();
    void dropNextDigit(const String& digit);
    void dorepeating(std::int32_t i);
    void DrawStep(std::int32_t k);
    void eraseText();
    void PrintText(const String& message);

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;

private:
    void _CreateControls0();

    // The grid: where a character of cell (col, row) stands.
    std::int32_t CellTextX(std::int32_t col) const;
    std::int32_t CellTextY(std::int32_t row) const;
    void DrawCell(const String& text, std::int32_t col, std::int32_t row);
    // Character i of an n-character text ending in column `lastCol` goes to lastCol - n + i.
    void DrawRightAligned(const String& text, std::int32_t lastCol, std::int32_t row);
    void RefreshCanvas();
    void RemoveHighlights();

    // Parts of the division run.
    void ResetWorksheet(const String& divider, const String& divided);
    void PaintColumnStripes();
    void WorkDividendDigits(bool stepped);
    void WorkDecimalPlaces(bool stepped);
    void CloseEntryDialog();
};

}  // namespace worksheet
