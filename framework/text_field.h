#pragma once
// A one-line text field. KeyDown runs before a typed key acts (True keeps it from acting);
// TextChange runs after every change of the text, however it came about.

#include <functional>

#include "framework/control.h"

namespace framework {

enum class TextAlignment { Left, Centre, Right };

struct TextFieldDesign {
    String text;
    int limitText = 0;  // most characters taken; 0: no limit
    TextAlignment alignment = TextAlignment::Left;
    bool readOnly = false;
};

class TextField : public Control {
public:
    TextField(ControlDesign design, TextFieldDesign field);

    String Text() const;
    void SetText(const String& text);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    int LimitText() const { return limitText_; }

    std::function<bool(TextField&, const String& key)> KeyDown;
    std::function<void(TextField&)> TextChange;
    // Whether the change being reported comes from a typed key (and not a paste, a drop or
    // the program).
    bool Typing() const { return typing_; }

private:
    friend class LineEditWidget;
    void Changed();
    void CutToLimit();
    int limitText_ = 0;
    bool typing_ = false;
};

}  // namespace framework
