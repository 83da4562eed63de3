#include "host/workbench/RibbonClick.h"

#include <stdexcept>

#include "host/workbench/WizardSteps.h"

namespace workbench {

DISPID IdOf(IDispatch* callbacks, const wchar_t* name) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    Check(callbacks->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), "GetIDsOfNames");
    return id;
}

namespace {

// The ribbon passes the control that was clicked; the add-in does not look at it.
HRESULT InvokeAsRibbon(IDispatch* callbacks, DISPID id) {
    VARIANT control;
    control.vt = VT_DISPATCH;
    control.pdispVal = nullptr;
    DISPPARAMS params{&control, nullptr, 1, 0};
    return callbacks->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
}

}  // namespace

DISPID Click(IDispatch* callbacks, const wchar_t* name) {
    const DISPID id = IdOf(callbacks, name);
    Check(InvokeAsRibbon(callbacks, id), "Invoke");
    return id;
}

DISPID ClickWithScript(IDispatch* callbacks, const wchar_t* name, host::WizardDriver& driver) {
    const DISPID id = IdOf(callbacks, name);
    HRESULT hr = E_FAIL;
    bool ok = driver.Run([&] { hr = InvokeAsRibbon(callbacks, id); });
    if (!ok) throw std::runtime_error("the wizard script failed: " + driver.Report());
    Check(hr, "Invoke");
    return id;
}

}  // namespace workbench
