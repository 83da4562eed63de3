// The ribbon's side of a click on one of the add-in's buttons, with a script playing the user of the wizard
// the click opens.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "host/driver/WizardDriver.h"

namespace workbench {

// The DISPID the add-in's callback object gives a callback name, as the ribbon asks for it.
DISPID IdOf(IDispatch* callbacks, const wchar_t* name);

// Invokes the callback `name` as the ribbon does for a click on a button that opens no wizard; gives the
// callback's DISPID. Throws std::runtime_error when the call fails.
DISPID Click(IDispatch* callbacks, const wchar_t* name);

// Invokes the callback `name` as the ribbon does for a click while `driver` plays the wizard it opens; gives
// the callback's DISPID. Throws std::runtime_error when the script or the call fails.
DISPID ClickWithScript(IDispatch* callbacks, const wchar_t* name, host::WizardDriver& driver);

}  // namespace workbench
