#pragma once
// Controls: the rectangles a window is built from. Each has a name and, in a control array, an
// index; its events are handlers of its window, bound when the control is made.

#include <memory>

#include "framework/nil_object.h"
#include "framework/text.h"

class QWidget;

namespace framework {

class Window;
class Picture;

struct ControlDesign {
    String name;
    int index = -1;  // Control::kNotInArray
    int left = 0;
    int top = 0;
    int width = 100;
    int height = 100;
    bool visible = true;
    bool enabled = true;
    int tabIndex = 0;  // keyboard focus moves through the controls in this order
    String helpTag;
    // The name of the control it lies in; empty: the window itself.
    String initialParent;
};

class Control {
public:
    static constexpr int kNotInArray = -1;
    static constexpr int kNextIndex = -2;

    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const String& Name() const { return design_.name; }
    int Index() const { return design_.index; }
    const ControlDesign& Design() const { return design_; }

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    const String& HelpTag() const { return design_.helpTag; }

    // Raised for each control of the front window in the menus' enabling pass.
    virtual void Event_EnableMenuItems() {}

    // Asks for a repaint; the paint happens later, once, however often this is called.
    void Refresh(bool eraseBackground = true);
    // Takes the control off its window; it stops receiving events at once.
    void Close();

    Window* GetWindow() const { return window_; }
    QWidget* NativeWidget() const;
    // What the control shows on screen now, as a 32-bit picture.
    Ref<Picture> Snapshot() const;

protected:
    Control(QWidget* widget, ControlDesign design);

private:
    friend class Window;
    void AttachTo(Window& window, QWidget* parent, int index);

    struct Native;
    std::unique_ptr<Native> native_;
    ControlDesign design_;
    Window* window_ = nullptr;
};

}  // namespace framework
