#pragma once

#include <string>

#include "tools/cleanup/CaseMode.h"

namespace cleanup {

// Rewrites text in place under a case rule. Each code unit that has a one-unit partner in the other case
// may change into it (CaseMapping.h); the length never changes. A value outside the CaseMode range leaves
// the text as it is.
void ChangeCaseOfText(std::wstring& text, CaseMode mode);

}  // namespace cleanup
