#pragma once
// Windows. A program window derives from Window, describes itself in Layout and CreateControls
// and answers the window's events in the Event_ methods; the runtime builds it through
// ImplicitInstance<W>() and owns it until it is closed.
//
// window.cpp: the window and its controls; window_menus.cpp: its menu bar; window_widget.cpp:
// the toolkit's widget behind it; sheet.cpp: a sheet within it.

#include <memory>
#include <vector>

#include "framework/control.h"
#include "framework/graphics.h"
#include "framework/menu_handlers.h"
#include "framework/nil_object.h"
#include "framework/text.h"

class QWidget;

namespace framework {

class MenuBar;
class SheetAttachment;

enum class WindowFrame { Document, Sheet };

struct WindowDesign {
    String title;
    int width = 300;
    int height = 300;
    int minWidth = 64;
    int minHeight = 64;
    int maxWidth = 32000;
    int maxHeight = 32000;
    WindowFrame frame = WindowFrame::Document;
    bool visible = true;
    bool closeButton = true;
    bool resizeable = true;
    bool maximizeButton = true;
    bool minimizeButton = true;
};

class Window : public MenuHandlers {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    void Show();
    // Shows the window as a sheet inside `parent`: at the top of its content, centred, taking
    // the keyboard; the rest of the parent takes no input until the sheet closes.
    void ShowWithin(Window& parent, int sheetCode = -1);
    // The sheet shown within this window, if one is up.
    Window* AttachedSheet() const;
    // Gives the keyboard to the control that last had it, or to the first in tab order.
    void TakeFocus();
    void Close();
    // What a request to close from outside does (the window manager's close button, Alt+F4, a
    // window destroyed by another program): a window with a close box closes; one without
    // raises Event_CloseRequest.
    void RequestClose();
    // Asks for a repaint of the window's content; painting happens later, once.
    void Refresh(bool eraseBackground = true);

    String Title() const;
    void SetTitle(const String& title);
    int Width() const;
    int Height() const;
    bool Visible() const;
    bool IsClosed() const { return closed_; }
    WindowFrame Frame() const { return design_.frame; }

    void SetMenuBar(Ref<framework::MenuBar> bar);
    const Ref<framework::MenuBar>& MenuBar() const { return menuBar_; }

    // Controls are found by name and, for members of a control array, by index.
    Control* ControlByName(std::string_view name, int index = Control::kNotInArray) const;
    template <class C>
    C* Find(std::string_view name, int index = Control::kNotInArray) const {
        return dynamic_cast<C*>(ControlByName(name, index));
    }
    // The same, for a control that must be there: NilObjectException when it is not a C.
    template <class C>
    C& Named(std::string_view name, int index = Control::kNotInArray) const {
        C* control = Find<C>(name, index);
        if (!control) throw NilObjectException();
        return *control;
    }
    // Adds a control under its design name and index. A control-array member added with
    // Control::kNextIndex is numbered one above the highest member present, so that members
    // added after all those above 0 were closed count 1, 2, 3 ... again.
    template <class C>
    C& Add(std::unique_ptr<C> control) {
        C& added = *control;
        AddControl(std::move(control));
        return added;
    }
    void AddControl(std::unique_ptr<Control> control);
    // Called by Control::Close.
    void RemoveControl(Control& control);
    std::vector<Control*> Controls() const;

    // Window events, raised by the framework.
    virtual void Event_Open() {}
    virtual void Event_Activate() {}
    virtual void Event_EnableMenuItems() {}
    virtual void Event_Paint(Graphics&) {}
    // Runs before the key acts; True keeps the key from acting. A modifier key pressed alone
    // (Shift, Ctrl, Alt, Caps Lock ...) is no key press here.
    virtual bool Event_KeyDown(const String&) { return false; }
    // A request to close a window that has no close box, from the window manager (its close
    // button, Alt+F4); the window stays open unless the handler acts on it.
    virtual void Event_CloseRequest() {}

    // Return presses the default button, Escape the cancel button; true when one was pressed.
    bool PressButtonFor(int qtKey);

    // The toolkit's widget of the window, for tests that deliver real input events.
    QWidget* NativeWidget() const;
    // The same, or null once the widget has gone, where an exception must not be thrown.
    QWidget* NativeWidgetIfAlive() const noexcept;
    // The area the controls stand in, below the menu bar.
    QWidget* ContentWidget() const;

    // Builds the window: Layout, CreateControls, AddMenuHandlers, then Open; called once by
    // the runtime when it adopts the window.
    void Construct();

protected:
    // Construction hooks.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}

    void ApplyDesign(const WindowDesign& design);

private:
    void InstallMenus();
    void OrderFocus();

    struct Native;
    std::unique_ptr<Native> native_;
    WindowDesign design_;
    Ref<framework::MenuBar> menuBar_;   // the window's own, if it sets one
    Ref<framework::MenuBar> shownBar_;  // the bar it shows, kept as long as the window is
    std::vector<std::unique_ptr<Control>> controls_;
    std::unique_ptr<SheetAttachment> sheet_;  // the sheet shown within this window
    Window* sheetParent_ = nullptr;           // the window this one is a sheet of
    bool closed_ = false;
};

}  // namespace framework
