// What Undo Last Run tells the user, and what a run too big to undo says. Pure.
#pragma once

#include <cstddef>
#include <string>

#include "tools/status/StatusLines.h"
#include "tools/undo/UndoResult.h"

namespace undo {

// The command's name, as the ribbon and the menus show it and its status lines begin.
inline constexpr wchar_t kCommandName[] = L"Undo Last Run";

// "1,204 cells put back", "1,204 cells put back; 3 cells changed since the run were left as they are",
// "the selection put back", "nothing to put back".
std::wstring UndoOutcome(const UndoResult& result, const status::StatusLines& lines);

// For the message box when the run's sheet has gone.
std::wstring SheetGoneMessage(const std::wstring& workbookName, const std::wstring& sheetName);

// Added to the status line of a run whose record passed the limit: "; it cannot be undone (more than 128 MB
// to keep)".
std::wstring CannotBeUndoneNote(std::size_t limitBytes);

}  // namespace undo
