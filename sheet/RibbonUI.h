// Office's IRibbonUI, which the ribbon hands to the markup's onLoad callback: the add-in keeps it to have its
// buttons' getEnabled asked again.
#pragma once

#include <string_view>

#include "sheet/DispatchWrapper.h"

namespace sheet {

class RibbonUI : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;
    // Office asks the control's callbacks again the next time it shows it.
    void InvalidateControl(std::wstring_view controlId) const;
};

}  // namespace sheet
