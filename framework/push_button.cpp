#include "framework/push_button.h"

#include <QPushButton>

#include "framework/guard.h"

namespace framework {

PushButton::PushButton(ControlDesign design, const String& caption, ButtonRole role)
    : Control(new QPushButton(QString::fromStdString(caption)), std::move(design)), role_(role) {
    auto* button = static_cast<QPushButton*>(NativeWidget());
    button->setDefault(role == ButtonRole::Default);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, [this] {
        if (Action) CallHandler([&] { Action(*this); });
    });
}

String PushButton::Caption() const {
    return static_cast<QPushButton*>(NativeWidget())->text().toStdString();
}

void PushButton::Press() { static_cast<QPushButton*>(NativeWidget())->click(); }

}  // namespace framework
