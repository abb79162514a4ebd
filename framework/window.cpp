#include "framework/window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "framework/application.h"
#include "framework/guard.h"
#include "framework/native_widgets.h"
#include "framework/push_button.h"
#include "framework/runtime.h"
#include "framework/sheet.h"

namespace framework {

Window::Window() : native_(std::make_unique<Native>(new WindowWidget(*this))) {}

Window::~Window() {
    if (sheetParent_) sheetParent_->sheet_.reset();
    if (sheet_) sheet_->Sheet().sheetParent_ = nullptr;
    sheet_.reset();
    // Controls first: their widgets live inside the window's.
    controls_.clear();
}

QWidget* Window::NativeWidget() const {
    QWidget* widget = NativeWidgetIfAlive();
    if (!widget) throw NilObjectException();
    return widget;
}

QWidget* Window::NativeWidgetIfAlive() const noexcept { return native_->handle.get(); }

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
    if (design.frame == WindowFrame::Sheet) {
        // A sheet has no window of its own: it becomes part of its parent's when shown.
        widget->setWindowFlags(Qt::Widget);
        widget->setAutoFillBackground(true);
    } else {
        Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (design.closeButton) flags |= Qt::WindowCloseButtonHint;
        if (design.minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
        if (design.maximizeButton) flags |= Qt::WindowMaximizeButtonHint;
        widget->setWindowFlags(flags);
    }
    widget->setWindowTitle(QString::fromStdString(design.title));
    // The design's size is the content's; a menu bar, once installed, adds its own height. A
    // window that is not resizeable is fixed as a whole, menu bar included, so that a window
    // manager neither resizes nor maximises it.
    if (design.resizeable) {
        widget->setMinimumSize(design.minWidth, design.minHeight);
        widget->setMaximumSize(design.maxWidth, design.maxHeight);
    } else {
        ContentWidget()->setFixedSize(design.width, design.height);
        widget->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    widget->resize(design.width, design.height);
}

void Window::Show() {
    if (closed_) return;
    if (sheetParent_) {
        TakeFocus();
        return;
    }
    QWidget* widget = NativeWidget();
    widget->show();
    widget->raise();
    widget->activateWindow();
    // A window that is shown comes to the front at once: its Activate runs now, not when the
    // window system gets round to activating it, so that what Activate brings up (the
    // worksheet's entry sheet) is part of the window's first picture. The window system's own
    // activation, when it comes, runs Activate again.
    if (!widget->isActiveWindow()) {
        Runtime::Current().NoteActivated(*this);
        CallHandler([&] { Event_Activate(); });
    }
}

// A parent holds one sheet at a time; a sheet shown within another window moves there.
void Window::ShowWithin(Window& parent, int) {
    if (closed_ || parent.closed_ || &parent == this) return;
    if (sheetParent_ == &parent) {
        Show();
        return;
    }
    if (sheetParent_) sheetParent_->sheet_.reset();
    if (parent.sheet_) parent.sheet_->Sheet().Close();
    sheetParent_ = &parent;
    parent.sheet_ = std::make_unique<SheetAttachment>(parent, *this);
}

void Window::TakeFocus() {
    QWidget* widget = NativeWidget();
    QWidget* target = widget->focusWidget();
    if (!target || target == widget)
        target = native_->firstFocus ? native_->firstFocus.data() : widget;
    target->setFocus(Qt::OtherFocusReason);
}

void Window::RequestClose() {
    if (closed_) return;
    if (design_.closeButton) {
        Close();
    } else {
        CallHandler([&] { Event_CloseRequest(); });
    }
}

Window* Window::AttachedSheet() const { return sheet_ ? &sheet_->Sheet() : nullptr; }

// A window takes its sheet with it; the sheet gives its parent the keyboard back.
void Window::Close() {
    if (closed_) return;
    closed_ = true;
    if (sheet_) sheet_->Sheet().Close();
    if (sheetParent_) {
        sheetParent_->sheet_.reset();
        sheetParent_ = nullptr;
    }
    QWidget* widget = NativeWidgetIfAlive();
    const bool wasActive = widget && widget->isActiveWindow() && widget->isWindow();
    if (widget) widget->hide();
    Runtime::Current().Forget(*this);
    if (wasActive) Runtime::Current().ActivateFrontWindow();
}

// The window's content: its menu bar has nothing new to show.
void Window::Refresh(bool) { ContentWidget()->update(); }

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
    if (chain.empty()) return;
    native_->firstFocus = chain.front();
    chain.front()->setFocus();
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
