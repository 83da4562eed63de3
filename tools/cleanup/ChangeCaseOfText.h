#pragma once

#include <string>

// Rewrites text in place under the case rule `mode` (a CaseMode code). Only ASCII letters change;
// the length never does. A code outside the CaseMode range leaves the text as it is.
void ChangeCaseOfText(std::wstring& text, int mode);
