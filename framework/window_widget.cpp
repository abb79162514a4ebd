// The toolkit's side of a window: the widget that passes activation, painting, keys and
// closing on to it.

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "framework/guard.h"
#include "framework/native_widgets.h"
#include "framework/runtime.h"
#include "framework/window.h"

namespace framework {

String KeyText(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers().testFlag(Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        const char letter = static_cast<char>('a' + (key - Qt::Key_A));
        return String(1, event.modifiers().testFlag(Qt::ShiftModifier) ? letter - 32 : letter);
    }
    return event.text().toStdString();
}

bool IsModifierKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Meta:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
        case Qt::Key_Mode_switch:
            return true;
        default:
            return false;
    }
}

namespace {

// The area below the menu bar; the window's own painting goes here, under its controls.
class ContentWidget final : public QWidget {
public:
    ContentWidget(Window& owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        Graphics graphics(painter, width(), height());
        CallHandler([&] { owner_.Event_Paint(graphics); });
    }

private:
    Window& owner_;
};

}  // namespace

WindowWidget::WindowWidget(Window& owner) : owner_(owner) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    content_ = new ContentWidget(owner, this);
    layout->addWidget(content_);
}

void WindowWidget::paintEvent(QPaintEvent*) {
    if (owner_.Frame() != WindowFrame::Sheet) return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void WindowWidget::setMenuBarWidget(QWidget* bar) {
    static_cast<QVBoxLayout*>(layout())->setMenuBar(bar);
}

// A sheet, being part of its parent's window, sees its parent's activation too.
bool WindowWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        if (isWindow()) Runtime::Current().NoteActivated(owner_);
        CallHandler([&] { owner_.Event_Activate(); });
    }
    return QWidget::event(event);
}

bool WindowWidget::offerKey(QKeyEvent* event) {
    if (IsModifierKey(event->key())) return false;
    return CallHandler([&] { return owner_.Event_KeyDown(KeyText(*event)); }, false);
}

// Keys typed into a control are offered to the window first.
bool WindowWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && offerKey(static_cast<QKeyEvent*>(event))) return true;
    return QWidget::eventFilter(watched, event);
}

// Keys typed into a control were offered to the window by the filter and reach it here when
// the control leaves them; keys the window itself has are offered here. Return and Escape
// press the default and the cancel button. A sheet keeps its keys from the window it is part of.
void WindowWidget::keyPressEvent(QKeyEvent* event) {
    const QWidget* focus = QApplication::focusWidget();
    const bool fromControl = focus && focus != this && isAncestorOf(focus);
    if (!fromControl && offerKey(event)) return;
    if (owner_.PressButtonFor(event->key())) return;
    if (owner_.Frame() == WindowFrame::Sheet) return;
    QWidget::keyPressEvent(event);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    owner_.RequestClose();
}

}  // namespace framework
