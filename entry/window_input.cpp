#include "entry/window_input.h"

#include "framework/runtime.h"
#include "shell/app.h"
#include "shell/menu_bar1.h"
#include "worksheet/number_text.h"
#include "worksheet/window1.h"

namespace entry {

using namespace framework;

namespace {

constexpr Color kWarningColour = RGB(255, 0, 128);
constexpr const char* kWarningTip = "0/x = 0 and NO x/0 \r (for all numbers x)";

}  // namespace

void WindowInput::Layout() {
    SetMenuBar(shell::MenuBar1());
    ApplyDesign({.title = "0",
                 .width = 344,
                 .height = 111,
                 .frame = WindowFrame::Sheet,
                 .closeButton = false,
                 .resizeable = false,
                 .maximizeButton = false,
                 .minimizeButton = false});
}

void WindowInput::CreateControls() { _CreateControls0(); }

void WindowInput::_CreateControls0() {
    auto& close = Add(std::make_unique<PushButton>(
        ControlDesign{
            .name = "PushButton1", .left = 71, .top = 71, .width = 80, .height = 20, .tabIndex = 2},
        "close", ButtonRole::Cancel));
    close.Action = [this](PushButton& sender) { PushButton1_Action(sender); };

    auto& ok = Add(std::make_unique<PushButton>(ControlDesign{.name = "PushButton2",
                                                              .left = 189,
                                                              .top = 71,
                                                              .width = 80,
                                                              .height = 20,
                                                              .tabIndex = 3},
                                                "OK", ButtonRole::Default));
    ok.Action = [this](PushButton& sender) { PushButton2_Action(sender); };

    auto& divisor =
        Add(std::make_unique<TextField>(ControlDesign{.name = "EditField1",
                                                      .left = 71,
                                                      .top = 20,
                                                      .width = 100,
                                                      .height = 22,
                                                      .helpTag = "divider"},
                                        TextFieldDesign{.limitText = worksheet::kLongestNumber,
                                                        .alignment = TextAlignment::Right}));
    divisor.KeyDown = [this](TextField& s, const String& key) {
        return EditField1_KeyDown(s, key);
    };
    divisor.TextChange = [this](TextField& s) { EditField1_TextChange(s); };

    auto& dividend = Add(std::make_unique<TextField>(
        ControlDesign{.name = "EditField2",
                      .left = 189,
                      .top = 20,
                      .width = 101,
                      .height = 22,
                      .tabIndex = 1,
                      .helpTag = "divided"},
        TextFieldDesign{.limitText = worksheet::kLongestNumber, .alignment = TextAlignment::Left}));
    dividend.KeyDown = [this](TextField& s, const String& key) {
        return EditField2_KeyDown(s, key);
    };
    dividend.TextChange = [this](TextField& s) { EditField2_TextChange(s); };

    Add(std::make_unique<Label>(
        ControlDesign{.name = "StaticText1",
                      .left = 129,
                      .top = 45,
                      .width = 100,
                      .height = 20,
                      .visible = false,
                      .tabIndex = 4,
                      .helpTag = kWarningTip},
        LabelDesign{.text = "No Zeroes", .bold = true, .textColor = kWarningColour}));
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
    shell::App().isReady = true;
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
    const String kept = Left(worksheet::DigitsAndFirstPoint(text), worksheet::kLongestNumber);
    if (kept != text) field.SetText(kept);
}

// The bracket: its bar over the dividend field, its stroke in the gap between the fields.
void WindowInput::Event_Paint(Graphics& g) {
    g.PenWidth = 2;
    g.PenHeight = 2;
    g.DrawLine(180, 15, 290, 15);
    g.DrawLine(180, 15, 180, 42);
}

}  // namespace entry
