#pragma once

#include <functional>

#include "framework/control.h"

namespace framework {

// The default button takes Return, the cancel button Escape.
enum class ButtonRole { Plain, Default, Cancel };

class PushButton : public Control {
public:
    PushButton(ControlDesign design, const String& caption, ButtonRole role = ButtonRole::Plain);

    String Caption() const;
    bool Default() const { return role_ == ButtonRole::Default; }
    bool Cancel() const { return role_ == ButtonRole::Cancel; }
    // Acts as a click would.
    void Press();

    std::function<void(PushButton&)> Action;

private:
    ButtonRole role_;
};

}  // namespace framework
