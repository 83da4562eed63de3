// The class factory of one class of the module's class table. It lives as long as the module; outside
// references to it keep the module loaded.
#pragma once

#include <windows.h>
#include <unknwn.h>

namespace framework {

// One row of the module's class table; it serves DllGetClassObject and registration alike.
struct ClassEntry {
    const CLSID* clsid;
    const wchar_t* progId;
    // The class's name in the registry: the default value of its CLSID and ProgID keys.
    const wchar_t* name;
    // Creates one new object and asks it for iid, as CreateComObject does.
    HRESULT (*create)(REFIID iid, void** ppv);
};

class CClassFactory final : public IClassFactory {
public:
    explicit CClassFactory(const ClassEntry& entry) noexcept : m_entry(entry) {}
    CClassFactory(const CClassFactory&) = delete;
    CClassFactory& operator=(const CClassFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

    const ClassEntry& Entry() const noexcept { return m_entry; }

private:
    const ClassEntry m_entry;
    LONG m_refCount = 0;  // outside references only: the class table owns the object itself
};

}  // namespace framework
