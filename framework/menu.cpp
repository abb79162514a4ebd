#include "framework/menu.h"

#include <QAction>
#include <QKeySequence>

#include "framework/runtime.h"

namespace framework {
namespace {

QKeySequence ToKeySequence(const String& shortcut) {
    return QKeySequence(QString::fromStdString(ReplaceAll(shortcut, "Cmd+", "Ctrl+")));
}

}  // namespace

MenuItem::MenuItem() = default;
MenuItem::~MenuItem() = default;

QAction* MenuItem::Action() {
    if (!action_) {
        action_ = std::make_unique<QAction>();
        action_->setMenuRole(QAction::NoRole);
        action_->setText(IsSeparator() ? QString() : QString::fromStdString(text_));
        action_->setSeparator(IsSeparator());
        action_->setShortcut(ToKeySequence(shortcut_));
        QObject::connect(action_.get(), &QAction::triggered,
                         [this] { Runtime::Current().MenuCommand(*this); });
    }
    return action_.get();
}

void MenuItem::SetText(const String& text) {
    text_ = text;
    if (action_) {
        action_->setText(IsSeparator() ? QString() : QString::fromStdString(text));
        action_->setSeparator(IsSeparator());
    }
}

void MenuItem::SetKeyboardShortcut(const String& shortcut) {
    shortcut_ = shortcut;
    if (action_) action_->setShortcut(ToKeySequence(shortcut));
}

void MenuItem::SetEnabled(bool enabled) { enabled_ = enabled; }

void MenuItem::Append(Ref<MenuItem> item) {
    if (!item) throw NilObjectException();
    children_.push_back(std::move(item));
}

Ref<MenuItem> MenuItem::Child(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) return child;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) return child;
        if (auto found = child->Lookup(name)) return found;
    }
    return nullptr;
}

}  // namespace framework
