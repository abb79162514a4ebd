#pragma once
// The toolkit's widgets behind windows and controls; private to the framework.

#include <QPointer>
#include <QWidget>

#include "framework/text.h"
#include "framework/window.h"

class QKeyEvent;

namespace framework {

class Window;

// The text of a key press as handlers see it: with the command modifier (Ctrl) held, the key's
// own character rather than a control code, so that Ctrl+W reads as "w".
String KeyText(const QKeyEvent& event);

// Shift, Ctrl, Alt, the logo keys, Caps Lock and the like: pressed alone they type nothing and
// are never offered to a KeyDown handler.
bool IsModifierKey(int qtKey);

// Keeps a widget that a Qt parent may also own: deletes it unless the parent already has.
class WidgetHandle {
public:
    explicit WidgetHandle(QWidget* widget) : widget_(widget) {}
    ~WidgetHandle() { delete widget_.data(); }
    WidgetHandle(const WidgetHandle&) = delete;
    WidgetHandle& operator=(const WidgetHandle&) = delete;
    QWidget* get() const { return widget_.data(); }

private:
    QPointer<QWidget> widget_;
};

// The top-level widget of a Window: passes activation, painting, keys and closing to it.
class WindowWidget final : public QWidget {
public:
    explicit WindowWidget(Window& owner);
    QWidget* content() const { return content_; }
    void setMenuBarWidget(QWidget* bar);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool offerKey(QKeyEvent* event);
    Window& owner_;
    QWidget* content_;
};

// What a Window keeps of the toolkit.
struct Window::Native {
    explicit Native(QWidget* w) : handle(w) {}
    WindowWidget* widget() const { return static_cast<WindowWidget*>(handle.get()); }
    WidgetHandle handle;
    QPointer<QWidget> firstFocus;  // the first control in tab order that takes the keyboard
};

}  // namespace framework
