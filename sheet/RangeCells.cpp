#include "sheet/RangeCells.h"

#include "sheet/AutomationError.h"

namespace sheet {

namespace {

[[noreturn]] void Fail(HRESULT hr, const wchar_t* member) {
    EXCEPINFO none{};
    throw CAutomationError::FromInvoke(hr, none, member);
}

}  // namespace

RangeCells::RangeCells(const Range& range) {
    const Variant enumerator = range.NewEnum();
    const VARIANT& v = enumerator.get();
    IUnknown* object = v.vt == VT_UNKNOWN ? v.punkVal : v.vt == VT_DISPATCH ? v.pdispVal : nullptr;
    if (!object) Fail(E_NOINTERFACE, L"Range._NewEnum");
    IEnumVARIANT* cells = nullptr;
    const HRESULT hr = object->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&cells));
    if (FAILED(hr) || !cells) Fail(FAILED(hr) ? hr : E_NOINTERFACE, L"Range._NewEnum");
    m_cells = framework::ComPtr<IEnumVARIANT>::Adopt(cells);
}

void RangeCells::Next(unsigned long count, std::vector<Range>& into) {
    into.clear();
    std::vector<VARIANT> items(count);
    for (VARIANT& item : items) VariantInit(&item);
    ULONG fetched = 0;
    const HRESULT hr = m_cells->Next(count, items.data(), &fetched);
    if (FAILED(hr)) {
        for (VARIANT& item : items) VariantClear(&item);
        Fail(hr, L"IEnumVARIANT.Next");
    }
    into.reserve(fetched);
    // Each item's reference goes to its wrapper; anything that is no object is let go.
    for (ULONG i = 0; i < fetched && i < count; ++i) {
        Variant item = Variant::Adopt(items[i]);
        into.push_back(DispatchWrapper::ObjectOf<Range>(std::move(item)));
    }
}

void RangeCells::Skip(unsigned long count) {
    if (count == 0) return;
    const HRESULT hr = m_cells->Skip(count);
    if (FAILED(hr)) Fail(hr, L"IEnumVARIANT.Skip");
}

}  // namespace sheet
