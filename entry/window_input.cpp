#include "entry/window_input.h"

#include "core/number_text.h"
#include "framework/runtime.h"
#include "worksheet/application_flags.h"
#include "worksheet/window1.h"

namespace entry {

using namespace framework;

namespace {

// The sheet, 344 by 111, shown only within the worksheet.
const WindowDesign kDesign{.title = "0",
                           .width = 344,
                           .height = 111,
                           .frame = WindowFrame::Sheet,
                           .closeButton = false,
                           .resizeable = false,
                           .maximizeButton = false,
                           .minimizeButton = false};

// The controls in the order they are made; keyboard focus moves by their tab index.
const ControlDesign kClose{
    .name = "PushButton1", .left = 71, .top = 71, .width = 80, .height = 20, .tabIndex = 2};
const ControlDesign kOk{
    .name = "PushButton2", .left = 189, .top = 71, .width = 80, .height = 20, .tabIndex = 3};
const ControlDesign kDivisor{
    .name = "EditField1", .left = 71, .top = 20, .width = 100, .height = 22, .helpTag = "divider"};
const ControlDesign kDividend{.name = "EditField2",
                              .left = 189,
                              .top = 20,
                              .width = 101,
                              .height = 22,
                              .tabIndex = 1,
                              .helpTag = "divided"};
const ControlDesign kWarning{.name = "StaticText1",
                             .left = 129,
                             .top = 45,
                             .width = 100,
                             .height = 20,
                             .visible = false,
                             .tabIndex = 4,
                             .helpTag = "0/x = 0 and NO x/0 \r (for all numbers x)"};
const TextFieldDesign kDivisorField{.limitText = core::kLongestNumber,
                                    .alignment = TextAlignment::Right};
const TextFieldDesign kDividendField{.limitText = core::kLongestNumber};
const LabelDesign kWarningText{.text = "No Zeroes", .bold = true, .textColor = RGB(255, 0, 128)};

// The bracket: its bar 5 pixels above the fields, from the stroke to the dividend field's
// right edge (189 + 101); its stroke in the gap between the fields (171 to 189), down to their
// bottom edge (20 + 22).
constexpr int kBracketPen = 2;
constexpr int kBracketX = 180;
constexpr int kBracketTop = 15;
constexpr int kBracketRight = 290;
constexpr int kBracketBottom = 42;

}  // namespace

void WindowInput::Layout() {
    // The application's menu bar, which the sheet shares.
    SetMenuBar(Runtime::Current().App().MenuBar());
    ApplyDesign(kDesign);
}

void WindowInput::CreateControls() { _CreateControls0(); }

void WindowInput::_CreateControls0() {
    auto& close = Add(std::make_unique<PushButton>(kClose, "close", ButtonRole::Cancel));
    close.Action = [this](PushButton& sender) { PushButton1_Action(sender); };
    auto& ok = Add(std::make_unique<PushButton>(kOk, "OK", ButtonRole::Default));
    ok.Action = [this](PushButton& sender) { PushButton2_Action(sender); };

    auto& divisor = Add(std::make_unique<TextField>(kDivisor, kDivisorField));
    divisor.KeyDown = [this](TextField& s, const String& key) {
        return EditField1_KeyDown(s, key);
    };
    divisor.TextChange = [this](TextField& s) { EditField1_TextChange(s); };
    auto& dividend = Add(std::make_unique<TextField>(kDividend, kDividendField));
    dividend.KeyDown = [this](TextField& s, const String& key) {
        return EditField2_KeyDown(s, key);
    };
    dividend.TextChange = [this](TextField& s) { EditField2_TextChange(s); };

    Add(std::make_unique<Label>(kWarning, kWarningText));
}

PushButton& WindowInput::PushButton1() const { return Named<PushButton>("PushButton1"); }
PushButton& WindowInput::PushButton2() const { return Named<PushButton>("PushButton2"); }
TextField& WindowInput::EditField1() const { return Named<TextField>("EditField1"); }
TextField& WindowInput::EditField2() const { return Named<TextField>("EditField2"); }
Label& WindowInput::StaticText1() const { return Named<Label>("StaticText1"); }

void WindowInput::PushButton1_Action(PushButton&) { Close(); }

// OK: a problem with a number that reads as zero is refused; otherwise both texts go to the
// worksheet exactly as typed, and working it closes this sheet.
void WindowInput::PushButton2_Action(PushButton&) {
    if (Val(EditField1().Text()) == 0.0 || Val(EditField2().Text()) == 0.0) {
        StaticText1().SetVisible(true);
        StaticText1().Refresh(true);
        return;
    }
    auto& worksheet = ImplicitInstance<worksheet::Window1>();
    worksheet.NewDivision(EditField1().Text(), EditField2().Text());
    worksheet::Flags().isReady = true;
}

void WindowInput::EditField1_TextChange(TextField& sender) { FieldChanged(sender); }

void WindowInput::EditField2_TextChange(TextField& sender) { FieldChanged(sender); }

void WindowInput::FieldChanged(TextField& field) {
    HideWarning();
    if (!field.Typing()) KeepNumberCharacters(field);
}

void WindowInput::Event_Activate() { HideWarning(); }

void WindowInput::HideWarning() {
    StaticText1().SetVisible(false);
    StaticText1().Refresh(true);
}

void WindowInput::KeepNumberCharacters(TextField& field) {
    const String text = field.Text();
    const String kept = Left(core::DigitsAndFirstPoint(text), core::kLongestNumber);
    if (kept != text) field.SetText(kept);
}

void WindowInput::Event_Paint(Graphics& g) {
    g.PenWidth = kBracketPen;
    g.PenHeight = kBracketPen;
    g.DrawLine(kBracketX, kBracketTop, kBracketRight, kBracketTop);
    g.DrawLine(kBracketX, kBracketTop, kBracketX, kBracketBottom);
}

}  // namespace entry
