#include "framework/window.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "framework/application.h"
#include "framework/guard.h"
#include "framework/menu.h"
#include "framework/native_widgets.h"
#include "framework/push_button.h"
#include "framework/runtime.h"

namespace framework {

// ---- the toolkit side ---------------------------------------------------------------------

String KeyText(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers().testFlag(Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        const char letter = static_cast<char>('a' + (key - Qt::Key_A));
        return String(1, event.modifiers().testFlag(Qt::ShiftModifier) ? letter - 32 : letter);
    }
    return event.text().toStdString();
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

void ForEachCommand(const MenuItem& menu, const std::function<void(MenuItem&)>& visit) {
    for (int i = 0; i < menu.Count(); ++i) {
        MenuItem& item = *menu.Item(i);
        if (item.Count() > 0) {
            ForEachCommand(item, visit);
        } else {
            visit(item);
        }
    }
}

// A menu is filled when it first opens, which keeps building a window quick; the shortcuts work
// before, through the window's own actions. While a menu is open its items show the enabled
// state of the enabling pass; otherwise their actions stay enabled, so that a shortcut reaches
// the command, which runs the pass itself.
void FillMenu(QMenu& view, MenuItem& menu) {
    QObject::connect(&view, &QMenu::aboutToShow, [&view, &menu] {
        if (view.isEmpty()) {
            for (int i = 0; i < menu.Count(); ++i) {
                MenuItem& item = *menu.Item(i);
                if (item.Count() > 0) {
                    FillMenu(*view.addMenu(QString::fromStdString(item.Text())), item);
                } else {
                    view.addAction(item.Action());
                }
            }
        }
        Runtime::Current().UpdateMenus();
        ForEachCommand(menu, [](MenuItem& item) { item.Action()->setEnabled(item.Enabled()); });
    });
    QObject::connect(&view, &QMenu::aboutToHide, [&menu] {
        ForEachCommand(menu, [](MenuItem& item) { item.Action()->setEnabled(true); });
    });
}

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
    if (event->type() == QEvent::KeyPress) {
        offered_ = event;
        if (offerKey(static_cast<QKeyEvent*>(event))) return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Keys typed into a control were offered to the window by the filter; the rest reach it here,
// and Return and Escape press the default and the cancel button.
void WindowWidget::keyPressEvent(QKeyEvent* event) {
    if (event != offered_ && offerKey(event)) return;
    if (owner_.PressButtonFor(event->key())) return;
    QWidget::keyPressEvent(event);
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
    InstallMenus();
    CreateControls();
    OrderFocus();
    AddMenuHandlers();
    CallHandler([&] { Event_Open(); });
    if (design_.visible && design_.frame != WindowFrame::Sheet && !closed_) Show();
}

void Window::ApplyDesign(const WindowDesign& design) {
    design_ = design;
    QWidget* widget = NativeWidget();
    // A sheet has no title bar of its own: it hangs from the top of its parent's content.
    Qt::WindowFlags flags = design.frame == WindowFrame::Sheet
                                ? Qt::Dialog | Qt::FramelessWindowHint
                                : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (design.frame != WindowFrame::Sheet) {
        if (design.closeButton) flags |= Qt::WindowCloseButtonHint;
        if (design.minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
        if (design.maximizeButton) flags |= Qt::WindowMaximizeButtonHint;
    }
    widget->setWindowFlags(flags);
    widget->setWindowTitle(QString::fromStdString(design.title));
    // The design's size is the content's; a menu bar, once installed, adds its own height.
    if (design.resizeable) {
        widget->setMinimumSize(design.minWidth, design.minHeight);
        widget->setMaximumSize(design.maxWidth, design.maxHeight);
    } else {
        ContentWidget()->setFixedSize(design.width, design.height);
    }
    widget->resize(design.width, design.height);
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
    if (widget->parentWidget() != host) widget->setParent(host, widget->windowFlags());
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

void Window::SetMenuBar(Ref<framework::MenuBar> bar) { menuBar_ = std::move(bar); }

// A window shows its own menu bar, or the application's; a sheet shows none but answers the
// bar's shortcuts.
void Window::InstallMenus() {
    Ref<framework::MenuBar> bar = menuBar_;
    if (!bar) {
        if (Application* app = Runtime::Current().AppObject()) bar = app->MenuBar();
    }
    if (!bar) return;
    QWidget* widget = NativeWidget();
    ForEachCommand(*bar, [widget](MenuItem& item) { widget->addAction(item.Action()); });
    if (design_.frame == WindowFrame::Sheet) return;

    auto* view = new QMenuBar(widget);  // owned by the window's widget
    for (int i = 0; i < bar->Count(); ++i) {
        MenuItem& menu = *bar->Item(i);
        FillMenu(*view->addMenu(QString::fromStdString(menu.Text())), menu);
    }
    native_->widget()->setMenuBarWidget(view);
    if (design_.resizeable) {
        widget->resize(design_.width, design_.height + view->sizeHint().height());
    } else {
        widget->adjustSize();
    }
}

// Tab moves through the controls by their tab index; the first that takes the keyboard has it
// when the window opens.
void Window::OrderFocus() {
    std::vector<QWidget*> chain;
    std::vector<Control*> ordered = Controls();
    std::stable_sort(ordered.begin(), ordered.end(), [](Control* a, Control* b) {
        return a->Design().tabIndex < b->Design().tabIndex;
    });
    for (Control* control : ordered) {
        QWidget* widget = control->NativeWidget();
        if (widget->focusPolicy() & Qt::TabFocus) chain.push_back(widget);
    }
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
    if (!chain.empty()) chain.front()->setFocus();
}

bool Window::PressButtonFor(int qtKey) {
    const bool isReturn = qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter;
    const bool isEscape = qtKey == Qt::Key_Escape;
    if (!isReturn && !isEscape) return false;
    for (Control* control : Controls()) {
        auto* button = dynamic_cast<PushButton*>(control);
        if (!button || !button->Visible() || !button->Enabled()) continue;
        if ((isReturn && button->Default()) || (isEscape && button->Cancel())) {
            button->Press();
            return true;
        }
    }
    return false;
}

}  // namespace framework
