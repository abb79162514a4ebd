#pragma once
// A sheet lives inside its parent window: it hangs from the top of the parent's content, just
// below the menu bar, centred, and moves and resizes with the parent. While it is up the
// parent's content takes no clicks or keys and a click anywhere in the parent leaves the
// keyboard in the sheet; the parent's menu bar stays live. When the sheet goes, the parent gets
// the keyboard back and its content as it was. Private to the framework.

#include <QObject>
#include <QPointer>

class QWidget;

namespace framework {

class Window;

class SheetAttachment final : public QObject {
public:
    SheetAttachment(Window& parent, Window& sheet);
    ~SheetAttachment() override;
    SheetAttachment(const SheetAttachment&) = delete;
    SheetAttachment& operator=(const SheetAttachment&) = delete;

    Window& Sheet() const { return sheet_; }
    // Puts the keyboard into the sheet: the control that last had it, or the first one.
    void FocusSheet() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place() const;

    Window& sheet_;
    QPointer<QWidget> host_;     // the parent's window widget, which the sheet is a child of
    QPointer<QWidget> content_;  // the parent's content, below its menu bar
    QPointer<QWidget> widget_;   // the sheet's own widget
    bool contentEnabled_;        // the content's own state before the sheet came
};

}  // namespace framework
