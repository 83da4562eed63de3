#include "tools/undo/UndoOutcome.h"

namespace undo {

std::wstring UndoOutcome(const UndoResult& result, const status::StatusLines& lines) {
    std::wstring line;
    if (result.cellsPutBack > 0 || result.cellsLeft > 0)
        line = lines.Count(result.cellsPutBack, L"cell", L"cells") + L" put back";
    if (result.selectionPutBack) line += line.empty() ? L"the selection put back" : L", and the selection";
    if (result.cellsLeft > 0)
        line += L"; " + lines.Count(result.cellsLeft, L"cell", L"cells") +
                (result.cellsLeft == 1 ? L" changed since the run was left as it is"
                                       : L" changed since the run were left as they are");
    return line.empty() ? std::wstring(L"nothing to put back") : line;
}

std::wstring SheetGoneMessage(const std::wstring& workbookName, const std::wstring& sheetName) {
    return L"The last run changed the sheet \"" + sheetName + L"\" of \"" + workbookName +
           L"\", which is no longer open. Nothing was put back.";
}

std::wstring CannotBeUndoneNote(std::size_t limitBytes) {
    return L"; it cannot be undone (more than " + std::to_wstring(limitBytes >> 20) + L" MB to keep)";
}

}  // namespace undo
