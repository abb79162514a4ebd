#include "framework/sheet.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "framework/window.h"

namespace framework {

SheetAttachment::SheetAttachment(Window& parent, Window& sheet)
    : sheet_(sheet),
      host_(parent.NativeWidget()),
      content_(parent.ContentWidget()),
      widget_(sheet.NativeWidget()),
      contentEnabled_(content_->isEnabledTo(host_)) {
    if (widget_->parentWidget() != host_) widget_->setParent(host_);
    // Disabled widgets take no clicks or keys, and a click on them reaches the window widget.
    content_->setEnabled(false);
    content_->installEventFilter(this);
    host_->installEventFilter(this);
    Place();
    widget_->show();
    widget_->raise();
    FocusSheet();
}

SheetAttachment::~SheetAttachment() {
    if (content_) {
        content_->removeEventFilter(this);
        content_->setEnabled(contentEnabled_);
    }
    if (!host_) return;
    host_->removeEventFilter(this);
    // The keyboard goes back to the parent, whether or not a window manager hands it on.
    host_->setFocus(Qt::OtherFocusReason);
    if (!QApplication::activeWindow() && host_->isVisible()) host_->activateWindow();
}

void SheetAttachment::FocusSheet() const {
    if (widget_) sheet_.TakeFocus();
}

void SheetAttachment::Place() const {
    if (!content_ || !widget_) return;
    const QRect area = content_->geometry();
    widget_->move(area.x() + (area.width() - widget_->width()) / 2, area.y());
}

bool SheetAttachment::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == content_ && (type == QEvent::Move || type == QEvent::Resize)) Place();
    if (watched == host_ && (type == QEvent::MouseButtonPress || type == QEvent::FocusIn)) {
        FocusSheet();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace framework
