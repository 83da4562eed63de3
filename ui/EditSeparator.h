// The separator edit of the merge pages: the token "[ALT+ENTER]" stands for a line break and behaves as one
// unit. InsertToken puts one at the caret (never inside another), Backspace after or inside a token and
// Delete before or inside one remove it whole; every other key edits as usual.
#pragma once

#include <string>

#include "framework/Edit.h"

class CEditSeparator : public framework::CEdit {
public:
    // The edit's text as of its last change.
    std::wstring lastText;

    // Inserts the token at the caret, or just after the token the caret stands in, and puts the caret after
    // it. A token that would take the text past the edit's limit is refused with a beep.
    void InsertToken(std::wstring token);

    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The caret's character index: where an empty selection stands, else the selection's end the caret is at.
    size_t CaretIndex() const;
    bool HasSelection() const;
    // Each is true when it removed a token, and the key goes no further.
    bool RemoveTokenBeforeCaret();
    bool RemoveTokenAfterCaret();
};
