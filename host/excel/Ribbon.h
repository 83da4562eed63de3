// Office's side of one add-in's ribbon in Excel 2007 and 2010: it reads the markup the add-in gave, calls the
// onLoad callback with an IRibbonUI, asks a button's getEnabled callback once and then only after the add-in
// invalidated it (Office keeps the answer meanwhile), and calls onAction when the user clicks. Callbacks are
// called through the add-in's callback IDispatch by name, as Office calls them.
//
//   host::Ribbon ribbon(excel, markup, callbacks);   // markup from GetCustomUI
//   ribbon.Load();                                   // onLoad, when the markup names one
//   ribbon.Enabled(L"UndoLast");                     // getEnabled, or Office's cached answer
//   ribbon.Click(L"UndoLast");                       // onAction
#pragma once

#include "framework/ComPtr.h"
#include "host/excel/RibbonUIObject.h"

#include <windows.h>
#include <oaidl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace host {

class Excel;

class Ribbon {
public:
    Ribbon(std::shared_ptr<Excel> excel, const std::wstring& markup, framework::ComPtr<IDispatch> callbacks);

    // Calls onLoad with a new IRibbonUI; S_OK when the markup names none.
    HRESULT Load();
    // The button's state as Office shows it: getEnabled's answer, asked when not yet known or invalidated
    // since; `enabled` from the markup, or true, for a button without getEnabled. A failed or unreadable
    // answer shows the button enabled, as Office does. Throws std::invalid_argument for an unknown id.
    bool Enabled(const std::wstring& controlId);
    // Calls the button's onAction; gives Invoke's result.
    HRESULT Click(const std::wstring& controlId);

    // How often getEnabled was called for the button.
    size_t EnabledAsked(const std::wstring& controlId) const;
    // The invalidations the add-in asked for, in order ("*" for the whole ribbon).
    const std::vector<std::wstring>& Invalidations() const { return m_invalidations->requests; }
    // The buttons' ids, in markup order.
    std::vector<std::wstring> Buttons() const;
    // An attribute of the button as the markup has it; empty when absent.
    std::wstring Attribute(const std::wstring& controlId, const std::wstring& name) const;

private:
    struct Button {
        std::map<std::wstring, std::wstring> attributes;
        bool known = false;
        bool enabled = true;
        size_t invalidationsSeen = 0;
        size_t asked = 0;
    };
    Button& Find(const std::wstring& controlId);
    const Button& Find(const std::wstring& controlId) const;
    // The callback by name, with the arguments in their order; the result comes back in `result`.
    HRESULT Call(const std::wstring& name, std::vector<VARIANT> args, VARIANT* result);
    bool InvalidatedSince(const std::wstring& controlId, size_t seen) const;

    std::shared_ptr<Excel> m_excel;
    framework::ComPtr<IDispatch> m_callbacks;
    std::wstring m_onLoad;
    std::vector<std::wstring> m_order;
    std::map<std::wstring, Button> m_buttons;
    std::shared_ptr<RibbonInvalidations> m_invalidations = std::make_shared<RibbonInvalidations>();
};

}  // namespace host
