// IUnknown for a stand-in object that serves one interface: a reference count starting at 1 (the
// creator's), and a QueryInterface that answers IUnknown and the listed interfaces with the object.
//
//   class Sink : public host::UnknownImpl<IDispatch, IID_IDispatch, DIID_CommandBarButtonEvents> { ... };
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <atomic>

namespace host {

template <class Interface, const IID&... Answered>
class UnknownImpl : public Interface {
public:
    UnknownImpl(const UnknownImpl&) = delete;
    UnknownImpl& operator=(const UnknownImpl&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (iid != IID_IUnknown && ((iid != Answered) && ...)) return E_NOINTERFACE;
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG remaining = --m_references;
        if (remaining == 0) delete this;
        return remaining;
    }
    ULONG References() const { return m_references; }

protected:
    UnknownImpl() = default;
    virtual ~UnknownImpl() = default;

private:
    std::atomic<ULONG> m_references{1};
};

}  // namespace host
