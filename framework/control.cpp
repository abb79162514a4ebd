#include "framework/control.h"

#include <QPixmap>

#include "framework/native_widgets.h"
#include "framework/picture.h"
#include "framework/window.h"

namespace framework {
namespace {

// Help tags may break their line with a carriage return, which the toolkit would draw as a blank.
QString ToolTip(const String& helpTag) {
    return QString::fromStdString(ReplaceAll(ReplaceAll(helpTag, "\r\n", "\n"), "\r", "\n"));
}

}  // namespace

struct Control::Native {
    explicit Native(QWidget* w) : widget(w) {}
    WidgetHandle widget;
};

// The widget stays hidden and unplaced until the control is added to its window.
Control::Control(QWidget* widget, ControlDesign design)
    : native_(std::make_unique<Native>(widget)), design_(std::move(design)) {
    widget->hide();
    widget->setObjectName(QString::fromStdString(design_.name));
    widget->setEnabled(design_.enabled);
    widget->setToolTip(ToolTip(design_.helpTag));
}

Control::~Control() = default;

QWidget* Control::NativeWidget() const {
    QWidget* widget = native_->widget.get();
    if (!widget) throw NilObjectException();
    return widget;
}

void Control::AttachTo(Window& window, QWidget* parent, int index) {
    window_ = &window;
    design_.index = index;
    QWidget* widget = NativeWidget();
    widget->setParent(parent);
    widget->setGeometry(design_.left, design_.top, design_.width, design_.height);
    widget->setVisible(design_.visible);
}

int Control::Left() const { return design_.left; }
int Control::Top() const { return design_.top; }
int Control::Width() const { return design_.width; }
int Control::Height() const { return design_.height; }

void Control::SetLeft(int left) {
    design_.left = left;
    NativeWidget()->move(design_.left, design_.top);
}
void Control::SetTop(int top) {
    design_.top = top;
    NativeWidget()->move(design_.left, design_.top);
}

bool Control::Visible() const { return design_.visible; }
void Control::SetVisible(bool visible) {
    design_.visible = visible;
    if (window_) NativeWidget()->setVisible(visible);
}

bool Control::Enabled() const { return design_.enabled; }
void Control::SetEnabled(bool enabled) {
    design_.enabled = enabled;
    NativeWidget()->setEnabled(enabled);
}

void Control::Refresh(bool) { NativeWidget()->update(); }

void Control::Close() {
    if (window_) window_->RemoveControl(*this);
}

Ref<Picture> Control::Snapshot() const {
    return Picture::FromImage(NativeWidget()->grab().toImage());
}

}  // namespace framework
