// Where Excel shows its box for Application.InputBox, the stand-in calls the presenter set here, with the
// call and the answer it is about to give: the workbench draws a box there. Tests leave it unset. One per
// process, as there is one screen.
#pragma once

#include <functional>
#include <string>

#include "host/excel/Excel.h"

namespace host {

using InputBoxPresenter = std::function<void(const InputBoxCall& call, const std::wstring& typed)>;
void SetInputBoxPresenter(InputBoxPresenter presenter);
void PresentInputBox(const InputBoxCall& call, const std::wstring& typed);

}  // namespace host
