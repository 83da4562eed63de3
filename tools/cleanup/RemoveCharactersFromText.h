#pragma once

#include <string>

// Rewrites text in place under the removal rule `mode` (a RemoveMode code). The text only ever
// gets shorter and what stays keeps its order. A code outside the RemoveMode range leaves it as it is.
void RemoveCharactersFromText(std::wstring& text, int mode);
