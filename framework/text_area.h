#pragma once
// A multi-line text area with a vertical scroll bar; fast with texts of several megabytes.

#include "framework/control.h"

namespace framework {

class TextArea : public Control {
public:
    TextArea(ControlDesign design, bool readOnly = false);
    String Text() const;
    void SetText(const String& text);
    bool ReadOnly() const;
};

}  // namespace framework
