#pragma once

#include "worksheet/window1.h"

namespace worksheet {

// A click target of the worksheet (control array "RectSelect"): a one-cell canvas over a
// quotient digit. It paints nothing, so the digit beneath stays readable; a press on it shows
// its step.
class RectSelect final : public framework::Canvas {
public:
    // Member 0 of the control array, the template made with the window.
    RectSelect(Window1& window, std::int32_t index);
    // A run-time member; the window numbers it when it is added.
    explicit RectSelect(Window1& window);

    // Makes a run-time member and adds it to the window's control array.
    static RectSelect& AddTo(Window1& window);

    // The design every member shares; only the index differs.
    static framework::ControlDesign Template(std::int32_t index);
};

}  // namespace worksheet
