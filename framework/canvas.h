#pragma once
// A control the program paints itself, and that reports mouse presses.

#include <functional>

#include "framework/control.h"
#include "framework/graphics.h"

namespace framework {

class Canvas : public Control {
public:
    explicit Canvas(ControlDesign design);

    using PaintHandler = std::function<void(Canvas&, Graphics&)>;

    // The Paint event. A canvas that paints covers its area itself, erasing only what its
    // drawing leaves showing; one without a handler paints nothing, so what lies beneath shows.
    void SetPaint(PaintHandler handler);
    const PaintHandler& Paint() const { return paint_; }

    // Events.
    std::function<bool(Canvas&, int x, int y)> MouseDown;
    std::function<void(Canvas&)> EnableMenuItems;

    void Event_EnableMenuItems() override {
        if (EnableMenuItems) EnableMenuItems(*this);
    }

private:
    PaintHandler paint_;
};

}  // namespace framework
