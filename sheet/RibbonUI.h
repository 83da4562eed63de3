// Office's IRibbonUI, which the ribbon hands to its onLoad callback.
#pragma once

#include <string>

#include "sheet/DispatchWrapper.h"

namespace sheet {

class RibbonUI : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;
    // Office asks the control's callbacks again before it next shows it.
    void InvalidateControl(const std::wstring& controlId) const;
};

}  // namespace sheet
