// Excel 2000's only road to a button's picture: the face and its mask put on the clipboard in the two
// formats Office registers for them, then PasteFace. The formats' names are found once per module, by
// letting Office copy a probe face to the clipboard and reading what it put there.
#pragma once

#include <string>

#include "sheet/CommandBars.h"

// Overwrites the clipboard. A face or mask file that cannot be read leaves the button as it is (the first
// button of the module may keep the probe face); Excel's refusals are thrown.
void PasteFaceThroughClipboard(const std::wstring& facePath, const std::wstring& maskPath,
                               const sheet::CommandBarButton& button);

// The next face finds the formats again, as the first face of a newly loaded module does.
void ForgetFaceFormats() noexcept;
