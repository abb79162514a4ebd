#include "framework/standard_editing.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <utility>

namespace framework {
namespace {

bool Selected(const QLineEdit& line) { return line.hasSelectedText(); }
bool Selected(const QPlainTextEdit& text) { return text.textCursor().hasSelection(); }
bool CanUndo(const QLineEdit& line) { return line.isUndoAvailable(); }
bool CanUndo(const QPlainTextEdit& text) {
    return !text.isReadOnly() && text.document()->isUndoAvailable();
}
void DeleteSelection(QLineEdit& line) { line.del(); }
void DeleteSelection(QPlainTextEdit& text) { text.textCursor().removeSelectedText(); }

// Either kind of text control, as the editing commands see it.
template <class Text>
bool Can(const Text& text, Edit edit) {
    const bool editable = !text.isReadOnly();
    switch (edit) {
        case Edit::Undo:
            return CanUndo(text);
        case Edit::Cut:
        case Edit::Clear:
            return editable && Selected(text);
        case Edit::Copy:
            return Selected(text);
        case Edit::Paste:
            return editable;
        case Edit::SelectAll:
            return true;
        case Edit::None:
            return false;
    }
    return false;
}

template <class Text>
void Perform(Text& text, Edit edit) {
    if (!Can(text, edit)) return;
    switch (edit) {
        case Edit::Undo:
            return text.undo();
        case Edit::Cut:
            return text.cut();
        case Edit::Copy:
            return text.copy();
        case Edit::Paste:
            return text.paste();
        case Edit::Clear:
            return DeleteSelection(text);
        case Edit::SelectAll:
            return text.selectAll();
        case Edit::None:
            return;
    }
}

// Runs `visit` on the focused text control, whichever kind it is; `otherwise` when none.
template <class Visit, class Result>
Result WithFocusedText(Visit visit, Result otherwise) {
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) return visit(*line);
    if (auto* text = qobject_cast<QPlainTextEdit*>(focus)) return visit(*text);
    return otherwise;
}

}  // namespace

Edit StandardEdit(std::string_view itemName) {
    static const std::pair<std::string_view, Edit> kNames[] = {
        {"EditUndo", Edit::Undo},   {"EditCut", Edit::Cut},     {"EditCopy", Edit::Copy},
        {"EditPaste", Edit::Paste}, {"EditClear", Edit::Clear}, {"EditSelectAll", Edit::SelectAll}};
    for (auto [name, edit] : kNames) {
        if (name == itemName) return edit;
    }
    return Edit::None;
}

bool CanEditFocus(Edit edit) {
    return WithFocusedText([edit](auto& text) { return Can(text, edit); }, false);
}

void EditFocus(Edit edit) {
    WithFocusedText(
        [edit](auto& text) {
            Perform(text, edit);
            return true;
        },
        false);
}

}  // namespace framework
