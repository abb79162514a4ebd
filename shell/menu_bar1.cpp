#include "shell/menu_bar1.h"

#include <initializer_list>

#include "framework/runtime.h"
#include "shell/app.h"

namespace shell {

using namespace framework;

namespace {

enum class Kind { Item, Apple, Quit };

struct Entry {
    const char* name;
    const char* text;
    const char* shortcut;  // nullptr: left as the item is made (the separators)
    Kind kind = Kind::Item;
};

Ref<MenuItem> Make(const Entry& entry) {
    Ref<MenuItem> item = entry.kind == Kind::Apple  ? Ref<MenuItem>(New<AppleMenuItem>())
                         : entry.kind == Kind::Quit ? Ref<MenuItem>(New<QuitMenuItem>())
                                                    : New<MenuItem>();
    item->SetName(entry.name);
    item->SetAutoEnable(true);
    item->SetText(entry.text);
    if (entry.shortcut) item->SetKeyboardShortcut(entry.shortcut);
    return item;
}

// The menu goes onto the bar first; each item is then appended to it, found again by name.
void AddMenu(MenuBar& bar, const Entry& menu, std::initializer_list<Entry> items) {
    bar.Append(Make(menu));
    for (const Entry& entry : items) {
        const Ref<MenuItem> parent = bar.Child(menu.name);
        parent->Append(Make(entry));
    }
}

// The item of that name in the application's menu bar, as a T; nil when it is none.
template <class T = MenuItem>
Ref<T> AppMenuItem(std::string_view name) {
    App();  // NilObjectException when there is no application object
    return As<T>(Runtime::Current().ApplicationMenuItem(name));
}

}  // namespace

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
    Untitled2();
}

void MenuBar1::Untitled0() {
    AddMenu(*this, {"FileMenu", "&File", ""},
            {{"FileAbout", "About...", "", Kind::Apple},
             {"FileNewDivision", "New Division", "Cmd+N"},
             {"FileQuit", "&Quit", "Cmd+Q", Kind::Quit}});
}

void MenuBar1::Untitled1() {
    AddMenu(*this, {"EditMenu", "&Edit", ""},
            {{"EditUndo", "&Undo", "Cmd+Z"},
             {"UntitledMenu1", "-", nullptr},
             {"EditCut", "Cu&t", "Cmd+X"},
             {"EditCopy", "&Copy", "Cmd+C"},
             {"EditPaste", "&Paste", "Cmd+V"},
             {"EditClear", "&Delete", ""},
             {"UntitledMenu0", "-", nullptr},
             {"EditSelectAll", "Select &All", "Cmd+A"},
             {"EditDeselectAll", "Deselect All", "Cmd+D"}});
}

void MenuBar1::Untitled2() {
    AddMenu(*this, {"HelpWith", "Help With", ""},
            {{"HelpProgram", "program ...", ""}, {"HelpLongDivision", "Longdivision ...", ""}});
}

Ref<class MenuBar1> MenuBar1() { return Runtime::Current().ImplicitObject<class MenuBar1>(); }

void ReleaseMenuBar1() { Runtime::Current().ReleaseImplicitObject<class MenuBar1>(); }

Ref<MenuItem> FileNewDivision() { return AppMenuItem("FileNewDivision"); }
Ref<AppleMenuItem> FileAbout() { return AppMenuItem<AppleMenuItem>("FileAbout"); }
Ref<MenuItem> EditCopy() { return AppMenuItem("EditCopy"); }
Ref<MenuItem> EditDeselectAll() { return AppMenuItem("EditDeselectAll"); }
Ref<MenuItem> HelpProgram() { return AppMenuItem("HelpProgram"); }
Ref<MenuItem> HelpLongDivision() { return AppMenuItem("HelpLongDivision"); }

}  // namespace shell
