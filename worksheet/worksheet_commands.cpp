// The worksheet's own menu commands, the hooks that enable them, and the entry sheet shown by
// itself the first time the worksheet comes to the front.

#include "entry/window_input.h"
#include "framework/clipboard.h"
#include "framework/runtime.h"
#include "shell/app.h"
#include "shell/menu_bar1.h"
#include "worksheet/rect_select.h"

namespace worksheet {

using namespace framework;

void Window1::AddMenuHandlers() {
    AddMenuHandler("FileNewDivision", [this] { return _FileNewDivision_Action(); });
    AddMenuHandler("EditDeselectAll", [this] { return _EditDeselectAll_Action(); });
    AddMenuHandler("Editcopy", [this] { return _Editcopy_Action(); });
}

void Window1::Event_Activate() {
    class shell::App& app = shell::App();
    if (!app.isOpened) {
        ImplicitInstance<entry::WindowInput>().ShowWithin(*this, -1);
        app.isOpened = true;
    }
}

void Window1::Event_EnableMenuItems() {
    shell::FileNewDivision()->Enable();
    shell::EditCopy()->Enable();
}

void Window1::RectSelect_EnableMenuItems(Canvas& sender) {
    (void)dynamic_cast<worksheet::RectSelect&>(sender);
    shell::EditDeselectAll()->Enable();
}

// The worksheet has no close box, but window managers draw one: closing it ends the program as
// File > Quit does, rather than going unanswered.
void Window1::Event_CloseRequest() { Runtime::Current().Quit(); }

bool Window1::_FileNewDivision_Action() {
    ImplicitInstance<entry::WindowInput>().ShowWithin(*this, -1);
    return false;
}

// The bitmap alone: the highlights lie on their own layer and are never copied.
bool Window1::_Editcopy_Action() {
    Clipboard clipboard;
    if (thepic) {
        clipboard.Picture = thepic;
        clipboard.Close();
    }
    return true;
}

}  // namespace worksheet
