#include "ui/EditSeparator.h"

#include "ui/SeparatorToken.h"

void CEditSeparator::InsertToken(std::wstring token) {
    std::wstring text = GetText();
    const size_t limit = static_cast<size_t>(SendMessage(EM_GETLIMITTEXT));
    if (text.size() + token.size() > limit) {
        ::MessageBeep(MB_OK);
        return;
    }
    const size_t at = ui::TokenInsertionPoint(text, CaretIndex(), token);
    text.insert(at, token);
    SetText(text);
    const int caret = static_cast<int>(at + token.size());
    SetSel(caret, caret);
    lastText = std::move(text);
}

bool CEditSeparator::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT&) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) lastText = GetText();
    // The page may watch the change too.
    return false;
}

LRESULT CEditSeparator::WindowProc(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_BACK && RemoveTokenBeforeCaret()) return 0;
        if (wParam == VK_DELETE && RemoveTokenAfterCaret()) return 0;
        break;
    case WM_SETTEXT: {
        // A multi-line edit sends no change notification for text set from outside.
        const LRESULT result = Default();
        lastText = GetText();
        return result;
    }
    default: break;
    }
    return Default();
}

size_t CEditSeparator::CaretIndex() const {
    int start = 0;
    int end = 0;
    GetSel(start, end);
    if (start == end) return static_cast<size_t>(end);
    // A selection made leftwards has its caret at its start.
    POINT caret{};
    ::GetCaretPos(&caret);
    const LRESULT startPosition = SendMessage(EM_POSFROMCHAR, static_cast<WPARAM>(start));
    const bool atStart =
        static_cast<short>(LOWORD(startPosition)) == caret.x && static_cast<short>(HIWORD(startPosition)) == caret.y;
    return static_cast<size_t>(atStart ? start : end);
}

bool CEditSeparator::HasSelection() const {
    int start = 0;
    int end = 0;
    GetSel(start, end);
    return start != end;
}

bool CEditSeparator::RemoveTokenBeforeCaret() {
    // With a selection the key deletes the selection, as always.
    if (HasSelection()) return false;
    const std::optional<size_t> start = ui::TokenEndingAtOrAround(lastText, CaretIndex());
    if (!start) return false;
    // All but the "[": the key's own character message then deletes it, so one press takes the whole token.
    SetSel(static_cast<int>(*start + 1), static_cast<int>(*start + ui::kNewLineToken.size()));
    ReplaceSel(std::wstring());
    return true;
}

bool CEditSeparator::RemoveTokenAfterCaret() {
    if (HasSelection()) return false;
    const std::optional<size_t> start = ui::TokenStartingAtOrAround(GetText(), CaretIndex());
    if (!start) return false;
    SetSel(static_cast<int>(*start), static_cast<int>(*start + ui::kNewLineToken.size()));
    ReplaceSel(std::wstring());
    return true;
}
