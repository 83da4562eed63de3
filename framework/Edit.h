// An edit control.
#pragma once

#include "framework/Wnd.h"

namespace framework {

class CEdit : public CWnd {
public:
    std::wstring GetText() const { return GetWindowText(); }
    void SetText(const std::wstring& text) const noexcept { SetWindowText(text); }

    void GetSel(int& start, int& end) const noexcept;
    void SetSel(int start, int end, bool noScroll = false) const noexcept;
    void ReplaceSel(const std::wstring& text, bool canUndo = false) const noexcept;
    void ScrollCaret() const noexcept { SendMessage(EM_SCROLLCARET); }
    // The character index nearest to a point in client coordinates.
    int CharFromPos(POINT point) const noexcept;
    void LimitText(int maxCharacters) const noexcept { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(maxCharacters)); }
};

}  // namespace framework
