// What Range._NewEnum gives, For Each's way through a range: an IEnumVARIANT over its cells (its rows or
// columns for Range.Rows and Range.Columns), area by area, each left to right then down, one Range object
// each. Next and Skip are calls of their own in the call log ("Enumerator.Next", "Enumerator.Skip"), and fail
// as a deleted sheet's objects do or as an injected failure asks.
#pragma once

#include "framework/ComPtr.h"
#include "host/excel/Range.h"

#include <windows.h>
#include <oaidl.h>

#include <atomic>
#include <memory>

namespace host {

class Excel;

class CellEnumerator final : public IEnumVARIANT {
public:
    static framework::ComPtr<IUnknown> Create(std::shared_ptr<Excel> excel, Range range);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override;

private:
    CellEnumerator(std::shared_ptr<Excel> excel, Range range);
    ~CellEnumerator();

    // Logs the call and says whether it may go on.
    HRESULT Begin(const wchar_t* member, size_t& position);
    // The range of the item at m_next, and the position one further; false past the last.
    bool Step(Range& item);

    std::atomic<ULONG> m_references{1};
    std::shared_ptr<Excel> m_excel;
    Range m_range;
    size_t m_area = 0;
    long m_index = 0;  // from 0 within the area
};

}  // namespace host
