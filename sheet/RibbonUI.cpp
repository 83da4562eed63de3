#include "sheet/RibbonUI.h"

#include "sheet/Dispids.h"

namespace sheet {

void RibbonUI::InvalidateControl(const std::wstring& controlId) const {
    Invoke(dispid::RibbonInvalidateControl, CallKind::Method, L"IRibbonUI.InvalidateControl",
           {Variant::String(controlId)});
}

}  // namespace sheet
