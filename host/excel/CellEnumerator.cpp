#include "host/excel/CellEnumerator.h"

#include "host/excel/Excel.h"
#include "host/excel/LiveObjects.h"
#include "host/excel/RangeObject.h"

#include <new>

namespace host {

CellEnumerator::CellEnumerator(std::shared_ptr<Excel> excel, Range range)
    : m_excel(std::move(excel)), m_range(std::move(range)) {
    detail::ObjectCreated();
}

CellEnumerator::~CellEnumerator() { detail::ObjectDestroyed(); }

framework::ComPtr<IUnknown> CellEnumerator::Create(std::shared_ptr<Excel> excel, Range range) {
    auto* enumerator = new (std::nothrow) CellEnumerator(std::move(excel), std::move(range));
    if (!enumerator) throw std::bad_alloc();
    return framework::ComPtr<IUnknown>::Adopt(static_cast<IEnumVARIANT*>(enumerator));
}

HRESULT STDMETHODCALLTYPE CellEnumerator::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IEnumVARIANT) return E_NOINTERFACE;
    *object = static_cast<IEnumVARIANT*>(this);
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE CellEnumerator::AddRef() { return ++m_references; }

ULONG STDMETHODCALLTYPE CellEnumerator::Release() {
    const ULONG remaining = --m_references;
    if (remaining == 0) delete this;
    return remaining;
}

HRESULT CellEnumerator::Begin(const wchar_t* member, size_t& position) {
    try {
        position = m_excel->Log().Start({L"Enumerator", member, Kind::Method, 0, S_OK, 0});
        if (m_excel->TakeInjectedFailure(std::wstring(L"Enumerator.") + member)) return E_FAIL;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    return m_range.GetSheet().Deleted() ? E_FAIL : S_OK;
}

bool CellEnumerator::Step(Range& item) {
    const std::vector<Area>& areas = m_range.Areas();
    while (m_area < areas.size()) {
        const Range area(m_range.SheetPtr(), {areas[m_area]}, m_range.Mode());
        if (m_index < area.Count()) {
            item = area.Item(++m_index);
            return true;
        }
        ++m_area;
        m_index = 0;
    }
    return false;
}

HRESULT STDMETHODCALLTYPE CellEnumerator::Next(ULONG count, VARIANT* items, ULONG* fetched) {
    if (fetched) *fetched = 0;
    if (!items || (count > 1 && !fetched)) return E_POINTER;
    size_t position = 0;
    HRESULT hr = Begin(L"Next", position);
    ULONG given = 0;
    if (SUCCEEDED(hr)) {
        try {
            for (Range item = m_range; given < count && Step(item); ++given) {
                VariantInit(&items[given]);
                items[given].vt = VT_DISPATCH;
                items[given].pdispVal = RangeObject::Create(m_excel, item).Detach();
            }
            hr = given == count ? S_OK : S_FALSE;
        } catch (...) {
            for (ULONG i = 0; i < given; ++i) VariantClear(&items[i]);
            given = 0;
            hr = E_OUTOFMEMORY;
        }
    }
    if (fetched) *fetched = given;
    m_excel->Log().Finish(position, hr);
    return hr;
}

HRESULT STDMETHODCALLTYPE CellEnumerator::Skip(ULONG count) {
    size_t position = 0;
    HRESULT hr = Begin(L"Skip", position);
    if (SUCCEEDED(hr)) {
        try {
            ULONG left = count;
            const std::vector<Area>& areas = m_range.Areas();
            while (left > 0 && m_area < areas.size()) {
                const long inArea = Range(m_range.SheetPtr(), {areas[m_area]}, m_range.Mode()).Count() - m_index;
                if (static_cast<unsigned long>(inArea) > left) {
                    m_index += static_cast<long>(left);
                    left = 0;
                    break;
                }
                left -= static_cast<ULONG>(inArea);
                ++m_area;
                m_index = 0;
            }
            hr = left == 0 ? S_OK : S_FALSE;
        } catch (...) {
            hr = E_OUTOFMEMORY;
        }
    }
    m_excel->Log().Finish(position, hr);
    return hr;
}

HRESULT STDMETHODCALLTYPE CellEnumerator::Reset() {
    m_area = 0;
    m_index = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CellEnumerator::Clone(IEnumVARIANT** copy) {
    if (!copy) return E_POINTER;
    *copy = nullptr;
    try {
        auto* clone = new CellEnumerator(m_excel, m_range);
        clone->m_area = m_area;
        clone->m_index = m_index;
        *copy = clone;
        return S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace host
