#include "framework/text_area.h"

#include <QPlainTextEdit>

namespace framework {

TextArea::TextArea(ControlDesign design, bool readOnly)
    : Control(new QPlainTextEdit, std::move(design)) {
    auto* edit = static_cast<QPlainTextEdit*>(NativeWidget());
    edit->setReadOnly(readOnly);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setTabChangesFocus(true);
}

String TextArea::Text() const {
    return static_cast<QPlainTextEdit*>(NativeWidget())->toPlainText().toStdString();
}

void TextArea::SetText(const String& text) {
    static_cast<QPlainTextEdit*>(NativeWidget())
        ->setPlainText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

bool TextArea::ReadOnly() const {
    return static_cast<QPlainTextEdit*>(NativeWidget())->isReadOnly();
}

}  // namespace framework
