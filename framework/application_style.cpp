#include "framework/application_style.h"

#include <QIconEngine>
#include <QPainter>

namespace framework {
namespace {

// An icon looked up only when it is first drawn. A menu bar asks for the icon of its overflow
// button when it is made, and looking it up in the desktop's icon theme costs more than making
// the rest of the bar, for a button that shows only when a window is too narrow for its menus.
class DeferredIcon final : public QIconEngine {
public:
    DeferredIcon(const QStyle& style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIcon(style_, which_); }

private:
    const QIcon& Icon() {
        if (icon_.isNull()) icon_ = style_.standardIcon(which_);
        return icon_;
    }

    const QStyle& style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
};

}  // namespace

// Alt pressed alone selects nothing: a user on the way to Alt+Tab, or who lets go of Alt,
// keeps the keyboard where it was. Alt with a letter still opens its menu.
int ApplicationStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                QStyleHintReturn* returned) const {
    if (hint == SH_MenuBar_AltKeyNavigation) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returned);
}

QIcon ApplicationStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                     const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton && !option && baseStyle()) {
        return QIcon(new DeferredIcon(*baseStyle(), icon));  // the icon owns its engine
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace framework
