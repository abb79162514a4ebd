#pragma once

#include "framework/color.h"
#include "framework/control.h"
#include "framework/text_field.h"

namespace framework {

struct LabelDesign {
    String text;
    bool bold = false;
    Color textColor = kBlack;
    double textSize = 0;  // 0: the system's size
    TextAlignment alignment = TextAlignment::Left;
};

// A line of text that the user cannot edit.
class Label : public Control {
public:
    Label(ControlDesign design, LabelDesign label);
    String Text() const;
    void SetText(const String& text);
};

}  // namespace framework
