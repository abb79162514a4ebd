// The worksheet's own menu commands, the hooks that enable them, and the entry sheet shown by
// itself the first time the worksheet comes to the front. The entry sheet and the menu items
// belong to the layers above; the worksheet reaches them by the names start-up gives them
// (names_above.h).

#include "framework/clipboard.h"
#include "framework/menu.h"
#include "framework/runtime.h"
#include "worksheet/application_flags.h"
#include "worksheet/names_above.h"
#include "worksheet/rect_select.h"

namespace worksheet {

using namespace framework;

namespace {

void ShowEntrySheetWithin(Window1& window) {
    Runtime::Current().ImplicitWindow(kEntrySheetClass).ShowWithin(window, -1);
}

void EnableItem(std::string_view name) { Runtime::Current().ApplicationMenuItem(name)->Enable(); }

}  // namespace

// The entry sheet closes as soon as its problem is being worked.
void Window1::CloseEntryDialog() {
    if (Window* sheet = Runtime::Current().FindOpenWindow(kEntrySheetClass)) sheet->Close();
}

void Window1::AddMenuHandlers() {
    AddMenuHandler("FileNewDivision", [this] { return _FileNewDivision_Action(); });
    AddMenuHandler("EditDeselectAll", [this] { return _EditDeselectAll_Action(); });
    AddMenuHandler("Editcopy", [this] { return _Editcopy_Action(); });
}

void Window1::Event_Activate() {
    ApplicationFlags& flags = Flags();
    if (!flags.isOpened) {
        ShowEntrySheetWithin(*this);
        flags.isOpened = true;
    }
}

void Window1::Event_EnableMenuItems() {
    EnableItem(kFileNewDivision);
    EnableItem(kEditCopy);
}

void Window1::RectSelect_EnableMenuItems(Canvas& sender) {
    if (!dynamic_cast<worksheet::RectSelect*>(&sender)) throw NilObjectException();
    EnableItem(kEditDeselectAll);
}

// The worksheet has no close box, but window managers draw one: closing it ends the program as
// File > Quit does, rather than going unanswered.
void Window1::Event_CloseRequest() { Runtime::Current().Quit(); }

bool Window1::_FileNewDivision_Action() {
    ShowEntrySheetWithin(*this);
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
