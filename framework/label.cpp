#include "framework/label.h"

#include <QLabel>

namespace framework {

Label::Label(ControlDesign design, LabelDesign label) : Control(new QLabel, std::move(design)) {
    auto* view = static_cast<QLabel*>(NativeWidget());
    view->setText(QString::fromStdString(label.text));
    view->setTextFormat(Qt::PlainText);
    QFont font = view->font();
    font.setBold(label.bold);
    // Sizes are pixels, as the worksheet's text sizes are.
    if (label.textSize > 0) font.setPixelSize(static_cast<int>(label.textSize));
    view->setFont(font);
    QPalette palette = view->palette();
    palette.setColor(QPalette::WindowText,
                     QColor(label.textColor.red, label.textColor.green, label.textColor.blue));
    view->setPalette(palette);
    view->setAlignment((label.alignment == TextAlignment::Right    ? Qt::AlignRight
                        : label.alignment == TextAlignment::Centre ? Qt::AlignHCenter
                                                                   : Qt::AlignLeft) |
                       Qt::AlignVCenter);
}

String Label::Text() const { return static_cast<QLabel*>(NativeWidget())->text().toStdString(); }
void Label::SetText(const String& text) {
    static_cast<QLabel*>(NativeWidget())->setText(QString::fromStdString(text));
}

}  // namespace framework
