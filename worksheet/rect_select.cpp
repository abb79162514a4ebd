#include "worksheet/rect_select.h"

namespace worksheet {

framework::ControlDesign RectSelect::Template(std::int32_t index) {
    return {.name = "RectSelect",
            .index = index,
            .left = 27,
            .top = 32,
            .width = 13,
            .height = 20,
            .initialParent = "Canvas1"};
}

RectSelect::RectSelect(Window1& window, std::int32_t index) : Canvas(Template(index)) {
    MouseDown = [&window](Canvas& sender, int x, int y) {
        return window.RectSelect_MouseDown(sender, x, y);
    };
    EnableMenuItems = [&window](Canvas& sender) { window.RectSelect_EnableMenuItems(sender); };
}

RectSelect::RectSelect(Window1& window) : RectSelect(window, kNextIndex) {}

RectSelect& RectSelect::AddTo(Window1& window) {
    return window.Add(std::make_unique<RectSelect>(window));
}

}  // namespace worksheet
