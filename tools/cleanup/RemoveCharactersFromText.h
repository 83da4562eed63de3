#pragma once

#include <string>

#include "tools/cleanup/RemoveMode.h"

namespace cleanup {

// Rewrites text in place under a removal rule. The text only ever gets shorter and what stays keeps its
// order. A value outside the RemoveMode range leaves it as it is.
void RemoveCharactersFromText(std::wstring& text, RemoveMode mode);

}  // namespace cleanup
