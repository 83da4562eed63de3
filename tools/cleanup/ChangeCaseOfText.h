#pragma once

#include <string>

#include "tools/cleanup/CaseMode.h"

namespace cleanup {

// Rewrites text in place under a case rule. Only ASCII letters change; the length never does. A value
// outside the CaseMode range leaves the text as it is.
void ChangeCaseOfText(std::wstring& text, CaseMode mode);

}  // namespace cleanup
