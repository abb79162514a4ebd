#pragma once
// The program's one menu bar: File, Edit and Help With. One instance, built on first request,
// serves the application and every entry sheet.

#include "framework/menu.h"

namespace shell {

class MenuBar1 final : public framework::MenuBar {
public:
    MenuBar1();

private:
    void Untitled0();  // File
    void Untitled1();  // Edit
    void Untitled2();  // Help With
};

// The shared instance, built by the first call and kept by the runtime.
framework::Ref<MenuBar1> MenuBar1();
// Drops the shared instance when the program ends.
void ReleaseMenuBar1();

// The items the program enables, looked up by name in the application's menu bar.
framework::Ref<framework::MenuItem> FileNewDivision();
framework::Ref<framework::AppleMenuItem> FileAbout();
framework::Ref<framework::MenuItem> EditCopy();
framework::Ref<framework::MenuItem> EditDeselectAll();
framework::Ref<framework::MenuItem> HelpProgram();
framework::Ref<framework::MenuItem> HelpLongDivision();

}  // namespace shell
