#include "framework/text_field.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "framework/guard.h"
#include "framework/native_widgets.h"

namespace framework {

class LineEditWidget final : public QLineEdit {
public:
    explicit LineEditWidget(TextField* owner) : owner_(owner) {
        connect(this, &QLineEdit::textChanged, [this] { owner_->Changed(); });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        // Keys with the command modifier are commands (copy, paste ...), not typing: they go
        // to the field's own editing without KeyDown; so do modifier keys pressed alone.
        const bool command = event->modifiers().testFlag(Qt::ControlModifier);
        if (owner_->KeyDown && !command && !IsModifierKey(event->key())) {
            const String key = KeyText(*event);
            if (CallHandler([&] { return owner_->KeyDown(*owner_, key); }, false)) return;
        }
        // The limit holds for typed characters; a longer paste is cut after TextChange.
        const bool inserts = !event->text().isEmpty() && event->text().at(0).isPrint() &&
                             !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        const int limit = owner_->LimitText();
        if (inserts && !isReadOnly() && limit > 0 && !hasSelectedText() && text().size() >= limit) {
            return;
        }
        owner_->typing_ = !command;
        QLineEdit::keyPressEvent(event);
        owner_->typing_ = false;
    }

private:
    TextField* owner_;
};

TextField::TextField(ControlDesign design, TextFieldDesign field)
    : Control(new LineEditWidget(this), std::move(design)) {
    auto* line = static_cast<QLineEdit*>(NativeWidget());
    const Qt::Alignment align = field.alignment == TextAlignment::Right    ? Qt::AlignRight
                                : field.alignment == TextAlignment::Centre ? Qt::AlignHCenter
                                                                           : Qt::AlignLeft;
    line->setAlignment(align | Qt::AlignVCenter);
    limitText_ = field.limitText;
    line->setReadOnly(field.readOnly);
    line->setText(QString::fromStdString(field.text));
}

String TextField::Text() const {
    return static_cast<QLineEdit*>(NativeWidget())->text().toStdString();
}

void TextField::SetText(const String& text) {
    auto* line = static_cast<QLineEdit*>(NativeWidget());
    const QString value = QString::fromStdString(text);
    if (line->text() != value) line->setText(value);
}

bool TextField::ReadOnly() const { return static_cast<QLineEdit*>(NativeWidget())->isReadOnly(); }
void TextField::SetReadOnly(bool readOnly) {
    static_cast<QLineEdit*>(NativeWidget())->setReadOnly(readOnly);
}

void TextField::Changed() {
    if (TextChange) CallHandler([&] { TextChange(*this); });
    CutToLimit();
}

// Cutting changes the text, which reports the change again.
void TextField::CutToLimit() {
    const String text = Text();
    if (limitText_ > 0 && Len(text) > limitText_) SetText(framework::Left(text, limitText_));
}

}  // namespace framework
