#pragma once
// A control the program paints itself, and that reports mouse presses.

#include <functional>

#include "framework/control.h"
#include "framework/graphics.h"

namespace framework {

class Canvas : public Control {
public:
    explicit Canvas(ControlDesign design);

    // Events; a canvas without a Paint handler paints nothing, so what lies beneath shows.
    std::function<void(Canvas&, Graphics&)> Paint;
    std::function<bool(Canvas&, int x, int y)> MouseDown;
    std::function<void(Canvas&)> EnableMenuItems;

    void Event_EnableMenuItems() override {
        if (EnableMenuItems) EnableMenuItems(*this);
    }
};

}  // namespace framework
