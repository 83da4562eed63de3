// Owns one counted reference to a COM interface.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace framework {

template <class T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(std::nullptr_t) noexcept {}
    // Takes a reference of its own; the caller keeps its reference.
    explicit ComPtr(T* p) noexcept : m_p(p) {
        if (m_p) m_p->AddRef();
    }
    ComPtr(const ComPtr& other) noexcept : ComPtr(other.m_p) {}
    ComPtr(ComPtr&& other) noexcept : m_p(other.Detach()) {}
    ~ComPtr() { Reset(); }

    ComPtr& operator=(const ComPtr& other) noexcept {
        ComPtr(other).Swap(*this);
        return *this;
    }
    ComPtr& operator=(ComPtr&& other) noexcept {
        ComPtr(std::move(other)).Swap(*this);
        return *this;
    }

    // Takes over a reference the caller already owns (an out parameter's result, for example).
    static ComPtr Adopt(T* p) noexcept {
        ComPtr result;
        result.m_p = p;
        return result;
    }

    void Reset() noexcept {
        T* old = std::exchange(m_p, nullptr);
        if (old) old->Release();
    }
    void Attach(T* p) noexcept {
        Reset();
        m_p = p;
    }
    T* Detach() noexcept { return std::exchange(m_p, nullptr); }

    // For out parameters: drops the current reference first so that nothing leaks.
    T** ReleaseAndGetAddressOf() noexcept {
        Reset();
        return &m_p;
    }

    template <class U>
    HRESULT QueryInterface(REFIID iid, ComPtr<U>& out) const noexcept {
        if (!m_p) return E_POINTER;
        return m_p->QueryInterface(iid, reinterpret_cast<void**>(out.ReleaseAndGetAddressOf()));
    }

    T* Get() const noexcept { return m_p; }
    T* operator->() const noexcept { return m_p; }
    explicit operator bool() const noexcept { return m_p != nullptr; }
    void Swap(ComPtr& other) noexcept { std::swap(m_p, other.m_p); }

private:
    T* m_p = nullptr;
};

}  // namespace framework
