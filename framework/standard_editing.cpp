#include "framework/standard_editing.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <utility>

namespace framework {

Edit StandardEdit(std::string_view itemName) {
    static const std::pair<std::string_view, Edit> kNames[] = {
        {"EditUndo", Edit::Undo},   {"EditCut", Edit::Cut},     {"EditCopy", Edit::Copy},
        {"EditPaste", Edit::Paste}, {"EditClear", Edit::Clear}, {"EditSelectAll", Edit::SelectAll}};
    for (auto [name, edit] : kNames) {
        if (name == itemName) return edit;
    }
    return Edit::None;
}

bool StandardEditOnFocus(Edit edit, bool perform) {
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        const bool editable = !line->isReadOnly();
        const bool selected = line->hasSelectedText();
        switch (edit) {
            case Edit::Undo:
                return line->isUndoAvailable() && (!perform || (line->undo(), true));
            case Edit::Cut:
                return editable && selected && (!perform || (line->cut(), true));
            case Edit::Copy:
                return selected && (!perform || (line->copy(), true));
            case Edit::Paste:
                return editable && (!perform || (line->paste(), true));
            case Edit::Clear:
                return editable && selected && (!perform || (line->del(), true));
            case Edit::SelectAll:
                return !perform || (line->selectAll(), true);
            case Edit::None:
                return false;
        }
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(focus)) {
        const bool editable = !text->isReadOnly();
        const bool selected = text->textCursor().hasSelection();
        switch (edit) {
            case Edit::Undo:
                return editable && text->document()->isUndoAvailable() &&
                       (!perform || (text->undo(), true));
            case Edit::Cut:
                return editable && selected && (!perform || (text->cut(), true));
            case Edit::Copy:
                return selected && (!perform || (text->copy(), true));
            case Edit::Paste:
                return editable && (!perform || (text->paste(), true));
            case Edit::Clear:
                return editable && selected &&
                       (!perform || (text->textCursor().removeSelectedText(), true));
            case Edit::SelectAll:
                return !perform || (text->selectAll(), true);
            case Edit::None:
                return false;
        }
    }
    return false;
}

}  // namespace framework
