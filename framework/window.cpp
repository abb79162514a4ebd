#include "framework/window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "framework/guard.h"
#include "framework/native_widgets.h"
#include "framework/runtime.h"

namespace framework {

// ---- the toolkit side ---------------------------------------------------------------------

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

String KeyText(const QKeyEvent& event) { return event.text().toStdString(); }

}  // namespace

WindowWidget::WindowWidget(Window& owner) : owner_(owner) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    content_ = new ContentWidget(owner, this);
    layout->addWidget(content_);
}

void WindowWidget::setMenuBarWidget(QWidget* bar) {
    static_cast<QVBoxLayout*>(layout())->setMenuBar(bar);
}

bool WindowWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        CallHandler([&] { owner_.Event_Activate(); });
    }
    return QWidget::event(event);
}

bool WindowWidget::offerKey(QKeyEvent* event) {
    return CallHandler([&] { return owner_.Event_KeyDown(KeyText(*event)); }, false);
}

// Keys typed into a control are offered to the window first.
bool WindowWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && offerKey(static_cast<QKeyEvent*>(event))) return true;
    return QWidget::eventFilter(watched, event);
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    if (!offerKey(event)) QWidget::keyPressEvent(event);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    if (!owner_.HasCloseButton() || owner_.IsClosed()) {
        event->ignore();
        return;
    }
    event->accept();
    owner_.Close();
}

// ---- Window -------------------------------------------------------------------------------

struct Window::Native {
    explicit Native(QWidget* w) : handle(w) {}
    WindowWidget* widget() const { return static_cast<WindowWidget*>(handle.get()); }
    WidgetHandle handle;
};

Window::Window() : native_(std::make_unique<Native>(new WindowWidget(*this))) {}

Window::~Window() {
    // Controls first: their widgets live inside the window's.
    controls_.clear();
}

QWidget* Window::NativeWidget() const {
    QWidget* widget = native_->handle.get();
    if (!widget) throw NilObjectException();
    return widget;
}

QWidget* Window::ContentWidget() const {
    NativeWidget();
    return native_->widget()->content();
}

void Window::Construct() {
    Layout();
    CreateControls();
    AddMenuHandlers();
    CallHandler([&] { Event_Open(); });
    if (design_.visible && design_.frame != WindowFrame::Sheet && !closed_) Show();
}

void Window::ApplyDesign(const WindowDesign& design) {
    design_ = design;
    QWidget* widget = NativeWidget();
    Qt::WindowFlags flags = design.frame == WindowFrame::Sheet ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (design.frame != WindowFrame::Sheet) {
        if (design.closeButton) flags |= Qt::WindowCloseButtonHint;
        if (design.minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
        if (design.maximizeButton) flags |= Qt::WindowMaximizeButtonHint;
    }
    widget->setWindowFlags(flags);
    widget->setWindowTitle(QString::fromStdString(design.title));
    QWidget* content = ContentWidget();
    content->setMinimumSize(0, 0);
    if (design.resizeable) {
        widget->setMinimumSize(design.minWidth, design.minHeight);
        widget->setMaximumSize(design.maxWidth, design.maxHeight);
        widget->resize(design.width, design.height);
    } else {
        content->setFixedSize(design.width, design.height);
    }
    content->resize(design.width, design.height);
    widget->adjustSize();
    if (design.resizeable) {
        const int menuHeight = widget->height() - content->height();
        widget->resize(design.width, design.height + std::max(menuHeight, 0));
    }
}

void Window::Show() {
    if (closed_) return;
    QWidget* widget = NativeWidget();
    widget->show();
    widget->raise();
    widget->activateWindow();
}

void Window::ShowWithin(Window& parent, int) {
    if (closed_) return;
    QWidget* widget = NativeWidget();
    QWidget* host = parent.NativeWidget();
    if (widget->parentWidget() != host) {
        const Qt::WindowFlags flags = widget->windowFlags();
        widget->setParent(host, flags | Qt::Dialog);
    }
    widget->setWindowModality(Qt::WindowModal);
    // Like a sheet: centred across the top of the parent's content.
    const QPoint origin = parent.ContentWidget()->mapToGlobal(QPoint(0, 0));
    widget->move(origin.x() + (parent.ContentWidget()->width() - widget->width()) / 2, origin.y());
    Show();
}

void Window::Close() {
    if (closed_) return;
    closed_ = true;
    if (QWidget* widget = native_->handle.get()) widget->hide();
    Runtime::Current().Forget(*this);
}

void Window::Refresh(bool) { NativeWidget()->update(); }

String Window::Title() const { return NativeWidget()->windowTitle().toStdString(); }
void Window::SetTitle(const String& title) {
    NativeWidget()->setWindowTitle(QString::fromStdString(title));
}
int Window::Width() const { return ContentWidget()->width(); }
int Window::Height() const { return ContentWidget()->height(); }
bool Window::Visible() const { return !closed_ && NativeWidget()->isVisible(); }

// ---- controls -----------------------------------------------------------------------------

Control* Window::ControlByName(std::string_view name, int index) const {
    for (const auto& control : controls_) {
        if (control->Name() == name && control->Index() == index) return control.get();
    }
    return nullptr;
}

void Window::AddControl(std::unique_ptr<Control> control) {
    if (!control) throw NilObjectException();
    int index = control->Index();
    if (index == Control::kNextIndex) {
        index = 0;
        for (const auto& other : controls_) {
            if (other->Name() == control->Name()) index = std::max(index, other->Index());
        }
        ++index;
    }
    QWidget* parent = ContentWidget();
    if (const String& within = control->Design().initialParent; !within.empty()) {
        if (Control* host = ControlByName(within)) parent = host->NativeWidget();
    }
    control->AttachTo(*this, parent, index);
    control->NativeWidget()->installEventFilter(native_->widget());
    controls_.push_back(std::move(control));
}

void Window::RemoveControl(Control& control) {
    const auto at = std::find_if(controls_.begin(), controls_.end(),
                                 [&](const auto& c) { return c.get() == &control; });
    if (at == controls_.end()) return;
    if (QWidget* widget = control.NativeWidget()) {
        widget->hide();
        widget->setEnabled(false);
    }
    std::unique_ptr<Control> closed = std::move(*at);
    controls_.erase(at);
    Runtime::Current().Dispose(std::move(closed));
}

std::vector<Control*> Window::Controls() const {
    std::vector<Control*> result;
    for (const auto& control : controls_) result.push_back(control.get());
    return result;
}

// ---- menus --------------------------------------------------------------------------------

void Window::AddMenuHandler(const String& itemName, MenuHandler handler) {
    menuHandlers_[MenuHandlerKey(itemName)] = std::move(handler);
}

const MenuHandler* Window::FindMenuHandler(std::string_view itemName) const {
    const auto at = menuHandlers_.find(MenuHandlerKey(itemName));
    return at == menuHandlers_.end() ? nullptr : &at->second;
}

void Window::SetMenuBar(Ref<framework::MenuBar> bar) { menuBar_ = std::move(bar); }

}  // namespace framework
