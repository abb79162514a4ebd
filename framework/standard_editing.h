#pragma once
// The standard editing commands (undo, cut, copy, paste, delete, select all) that menu items of
// the usual names give a focused text control when no handler of the program answers them.
// Private to the framework.

#include <string_view>

namespace framework {

enum class Edit { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

// The command an item of that name stands for: EditUndo, EditCut, EditCopy, EditPaste,
// EditClear, EditSelectAll.
Edit StandardEdit(std::string_view itemName);

// Whether the focused text control can carry out `edit` now.
bool CanEditFocus(Edit edit);
// Carries it out, when it can.
void EditFocus(Edit edit);

}  // namespace framework
