#pragma once
// The worksheet window: a long division drawn digit by digit on a grid.
//
//   band   |      Repeating decimal tail.            |  y 0..40: one message at a time
//   row 1  |           0 .  3  3  X                  |  quotient digits, click targets
//   row 2  |   3 | 1 . 0  0                          |  divisor, bracket, dividend
//   row 3+ |      -9                                 |  products and remainders
//
// Everything is drawn once into the bitmap `thepic`; the selected step's highlights lie on the
// transparent layer `StepPic`, and the canvas paints the one over the other. The class is
// large, so its definition is spread over files by concern; the declarations below are grouped
// by the file that defines them.

#include <cstdint>
#include <optional>
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

// Whether the division has made a step yet: until it has, there is no remainder to bring a
// digit down beside, and the first decimal step divides the dividend row itself.
enum class Steps { None, Made };

class Window1 final : public framework::Window {
public:
    // ---- The window's state, in the order it has always been declared. Some properties are
    // kept although nothing reads them; they are part of what the window is.
    String dividerOriginal;  // the divisor: as given, leading zeros dropped, then made whole
    String dividedOriginal;  // the dividend likewise; it may keep one "." and begin with "0"
    Ref<framework::Picture> thepic;  // the worksheet bitmap, 1000 by 800: all drawing goes here
    std::int32_t gridWidth = 13;     // the width of a cell
    std::int32_t gridHeight = 20;    // the height of a row, and of every highlight
    String dividerUsed;              // declared, never read
    String dividedUsed;              // declared, never read
    std::int32_t RowPosition = 0;    // the row that products and remainders are written on
    std::int32_t ColPosition = 0;    // the column of the quotient digit being worked
    std::int32_t Offset = 40;        // the height of the message band: row 1 begins here
    std::int32_t dividedLineXposition = 0;  // where the line over the dividend ends
    String dividedCurrent;                  // declared, never read
    String myDivided;              // the partial dividend being worked; after a step, its remainder
    String myDivider;              // the whole divisor that every step divides by
    bool hasDecimalPoint = false;  // the normalised dividend holds a "."
    std::int32_t DividedPosition = 0;  // 1-based: the last character of the dividend used
    Ref<framework::StringShape> t;     // the one text shape; black, opaque, plain between marks
    // Element 0: where the decimal part starts; element k: the repeat key of decimal step k
    // (their forms: core/repeat_key.h).
    std::vector<String> Remainders = std::vector<String>(1);
    String toSubtract;  // the product of the last step, which its repeat key ends with
    // Element k: step k, which click target k shows; element 0 stays nil.
    std::vector<Ref<LongDivisionStep>> LDsteps = std::vector<Ref<LongDivisionStep>>(1);
    Ref<framework::Picture> StepPic;          // the highlight layer over the bitmap
    Ref<framework::RectShape> r_subtract;     // the chosen step's highlights: its product,
    Ref<framework::RectShape> r_divided;      // its partial dividend,
    Ref<framework::RectShape> r_answer;       // its remainder
    Ref<framework::RectShape> r_chose;        // and its quotient digit
    bool StringAtDivisionEnd = false;         // an end message stands in the band
    String StringatdivisionendSTR;            // that message
    Ref<framework::RectShape> r_repeatstart;  // made and styled with the highlights; never drawn

    // ---- window1.cpp: construction, the two controls, the paint.
    framework::Canvas& Canvas1() const;
    framework::Canvas& RectSelect(std::int32_t index) const;
    void Canvas1_Paint(framework::Canvas& sender, framework::Graphics& g);
    void Event_Open() override;

    // ---- worksheet_commands.cpp: the window's commands and their enabling, the entry sheet
    // shown on the first activation and closed when its problem is worked, and closing.
    void Event_Activate() override;
    void Event_EnableMenuItems() override;
    void RectSelect_EnableMenuItems(framework::Canvas& sender);
    void Event_CloseRequest() override;
    bool _FileNewDivision_Action();
    bool _Editcopy_Action();

    // ---- division_run.cpp: a whole division, from the reset to its end.
    void NewDivision(const String& divider, const String& divided);
    void DecimalDivider();
    void dorepeating(std::int32_t i);

    // ---- problem_drawing.cpp: the problem on row 2.
    void printEquation();

    // ---- division_steps.cpp: one step at a time.
    bool getFirst();
    void DoSubDivision();
    void dropNextDigit(const String& digit);

    // ---- step_selection.cpp: showing a chosen step.
    bool RectSelect_MouseDown(framework::Canvas& sender, std::int32_t x, std::int32_t y);
    void DrawStep(std::int32_t k);
    void eraseText();
    void PrintText(const String& message);
    bool _EditDeselectAll_Action();

protected:
    // window1.cpp and worksheet_commands.cpp: the construction hooks.
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;

private:
    enum class Pass { GoOn, End };
    struct Limits {
        std::int32_t maxRows;  // rows that fit below the band
        std::int32_t maxCols;  // whole columns that fit across
    };

    // window1.cpp
    void _CreateControls0();

    // division_run.cpp
    void ResetWorksheet(const String& divider, const String& divided);
    void PaintColumnStripes();
    void WorkDividendDigits(Steps steps);
    void WorkDecimalPlaces(Steps steps);
    Pass DecimalPass(Steps steps, Limits limits);
    void AppendZero();
    void WrapToTop();
    void EndOutOfRoom();
    std::optional<std::int32_t> EarlierEqualKey() const;
    Limits SheetLimits() const;

    // worksheet_commands.cpp
    void CloseEntryDialog();

    // grid.cpp: where a character of cell (col, row) stands, and drawing there.
    std::int32_t CellTextX(std::int32_t col) const;
    std::int32_t CellTextY(std::int32_t row) const;
    void DrawCell(const String& text, std::int32_t col, std::int32_t row);
    // Character i of an n-character text ending in column `lastCol` goes to lastCol - n + i.
    void DrawRightAligned(const String& text, std::int32_t lastCol, std::int32_t row);
    void RefreshCanvas();

    // step_selection.cpp
    void RemoveHighlights();
};

}  // namespace worksheet
