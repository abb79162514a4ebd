#pragma once
// Menus: a menu bar is a tree of items. Choosing an item runs the handler registered under the
// item's name on the front window or the application; the items' enabled state is brought up
// to date by the enabling pass before a menu opens and before a shortcut acts.

#include <memory>
#include <vector>

#include "framework/nil_object.h"
#include "framework/text.h"

class QAction;

namespace framework {

class MenuItem {
public:
    MenuItem();
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const String& Name() const { return name_; }
    void SetName(const String& name) { name_ = name; }
    // "&" marks the access letter; "-" makes a separator line.
    const String& Text() const { return text_; }
    void SetText(const String& text);
    // "Cmd+N" is the platform's command modifier with N: Ctrl+N here.
    const String& KeyboardShortcut() const { return shortcut_; }
    void SetKeyboardShortcut(const String& shortcut);
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool on) { autoEnable_ = on; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    void Enable() { SetEnabled(true); }
    bool IsSeparator() const { return text_ == "-"; }

    void Append(Ref<MenuItem> item);
    int Count() const { return static_cast<int>(children_.size()); }
    const Ref<MenuItem>& Item(int index) const { return children_.at(index); }
    // The child with that name, or nil.
    Ref<MenuItem> Child(std::string_view name) const;
    // The item with that name anywhere below this one, or nil.
    Ref<MenuItem> Lookup(std::string_view name) const;

    // The toolkit's action for this item; for the framework's own use.
    QAction* Action();

private:
    String name_;
    String text_;
    String shortcut_;
    bool autoEnable_ = true;
    bool enabled_ = true;
    std::vector<Ref<MenuItem>> children_;
    std::unique_ptr<QAction> action_;
};

// An item that the platform may show in its place for the application's About item.
class AppleMenuItem : public MenuItem {};

// The item whose own action quits the application.
class QuitMenuItem : public MenuItem {};

class MenuBar : public MenuItem {};

}  // namespace framework
