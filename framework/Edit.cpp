#include "framework/Edit.h"

namespace framework {

void CEdit::GetSel(int& start, int& end) const noexcept {
    DWORD selStart = 0;
    DWORD selEnd = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    start = static_cast<int>(selStart);
    end = static_cast<int>(selEnd);
}

void CEdit::SetSel(int start, int end, bool noScroll) const noexcept {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    if (!noScroll) ScrollCaret();
}

void CEdit::ReplaceSel(const std::wstring& text, bool canUndo) const noexcept {
    SendMessage(EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

int CEdit::CharFromPos(POINT point) const noexcept {
    const LRESULT result = SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y));
    return LOWORD(result);
}

}  // namespace framework
