#include "host/excel/Ribbon.h"

#include "host/excel/Variant.h"

#include <stdexcept>

namespace host {

namespace {

struct Element {
    std::wstring name;
    std::map<std::wstring, std::wstring> attributes;
};

// The start tags of the markup with their attributes; enough XML for custom UI markup (no entities, no
// comments).
std::vector<Element> StartTags(const std::wstring& markup) {
    std::vector<Element> elements;
    size_t at = 0;
    while ((at = markup.find(L'<', at)) != std::wstring::npos) {
        size_t end = markup.find(L'>', at);
        if (end == std::wstring::npos) break;
        std::wstring tag = markup.substr(at + 1, end - at - 1);
        at = end + 1;
        if (tag.empty() || tag[0] == L'/' || tag[0] == L'?' || tag[0] == L'!') continue;
        Element element;
        size_t i = tag.find_first_of(L" /");
        element.name = tag.substr(0, i);
        while (i != std::wstring::npos && i < tag.size()) {
            size_t nameStart = tag.find_first_not_of(L" /", i);
            if (nameStart == std::wstring::npos) break;
            size_t equals = tag.find(L'=', nameStart);
            size_t open = equals == std::wstring::npos ? equals : tag.find(L'"', equals);
            size_t close = open == std::wstring::npos ? open : tag.find(L'"', open + 1);
            if (close == std::wstring::npos) break;
            element.attributes[tag.substr(nameStart, equals - nameStart)] = tag.substr(open + 1, close - open - 1);
            i = close + 1;
        }
        elements.push_back(std::move(element));
    }
    return elements;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

}  // namespace

Ribbon::Ribbon(std::shared_ptr<Excel> excel, const std::wstring& markup, framework::ComPtr<IDispatch> callbacks)
    : m_excel(std::move(excel)), m_callbacks(std::move(callbacks)) {
    for (Element& element : StartTags(markup)) {
        if (element.name == L"customUI") m_onLoad = element.attributes[L"onLoad"];
        if (element.name != L"button") continue;
        const std::wstring id = element.attributes[L"id"];
        m_order.push_back(id);
        m_buttons[id].attributes = std::move(element.attributes);
    }
}

HRESULT Ribbon::Call(const std::wstring& name, std::vector<VARIANT> args, VARIANT* result) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name.c_str())};
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = m_callbacks->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    // Automation wants the arguments last first.
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params{reversed.data(), nullptr, UINT(reversed.size()), 0};
    return m_callbacks->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result, nullptr, nullptr);
}

HRESULT Ribbon::Load() {
    if (m_onLoad.empty()) return S_OK;
    framework::ComPtr<IDispatch> ribbon = RibbonUIObject::Create(m_excel, m_invalidations);
    VARIANT arg;
    arg.vt = VT_DISPATCH;
    arg.pdispVal = ribbon.Get();
    return Call(m_onLoad, {arg}, nullptr);
}

Ribbon::Button& Ribbon::Find(const std::wstring& controlId) {
    auto it = m_buttons.find(controlId);
    if (it == m_buttons.end()) throw std::invalid_argument("no button " + Narrow(controlId));
    return it->second;
}

const Ribbon::Button& Ribbon::Find(const std::wstring& controlId) const {
    return const_cast<Ribbon*>(this)->Find(controlId);
}

bool Ribbon::InvalidatedSince(const std::wstring& controlId, size_t seen) const {
    const auto& requests = m_invalidations->requests;
    for (size_t i = seen; i < requests.size(); ++i)
        if (requests[i] == controlId || requests[i] == L"*") return true;
    return false;
}

bool Ribbon::Enabled(const std::wstring& controlId) {
    Button& button = Find(controlId);
    auto attribute = button.attributes.find(L"getEnabled");
    if (attribute == button.attributes.end()) return button.attributes[L"enabled"] != L"false";
    if (button.known && !InvalidatedSince(controlId, button.invalidationsSeen)) return button.enabled;
    button.invalidationsSeen = m_invalidations->requests.size();
    ++button.asked;
    framework::ComPtr<IDispatch> control = RibbonControlObject::Create(m_excel, controlId);
    VARIANT arg;
    arg.vt = VT_DISPATCH;
    arg.pdispVal = control.Get();
    Variant result;
    HRESULT hr = Call(attribute->second, {arg}, &result.Get());
    button.known = true;
    button.enabled = FAILED(hr) || result.Type() != VT_BOOL || result.Get().boolVal != VARIANT_FALSE;
    return button.enabled;
}

HRESULT Ribbon::Click(const std::wstring& controlId) {
    Button& button = Find(controlId);
    if (!Enabled(controlId)) return S_FALSE;
    framework::ComPtr<IDispatch> control = RibbonControlObject::Create(m_excel, controlId);
    VARIANT arg;
    arg.vt = VT_DISPATCH;
    arg.pdispVal = control.Get();
    return Call(button.attributes[L"onAction"], {arg}, nullptr);
}

size_t Ribbon::EnabledAsked(const std::wstring& controlId) const { return Find(controlId).asked; }

std::vector<std::wstring> Ribbon::Buttons() const { return m_order; }

std::wstring Ribbon::Attribute(const std::wstring& controlId, const std::wstring& name) const {
    const Button& button = Find(controlId);
    auto it = button.attributes.find(name);
    return it == button.attributes.end() ? std::wstring() : it->second;
}

}  // namespace host
