// Owns one reference to a COM interface; tests and the stand-in hold objects through it.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace host {

template <class T>
class ComRef {
public:
    ComRef() noexcept = default;
    ComRef(std::nullptr_t) noexcept {}
    ComRef(const ComRef& other) noexcept : m_p(other.m_p) {
        if (m_p) m_p->AddRef();
    }
    ComRef(ComRef&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ~ComRef() { Reset(); }

    ComRef& operator=(ComRef other) noexcept {
        std::swap(m_p, other.m_p);
        return *this;
    }

    // Takes over a reference the caller owns.
    static ComRef Adopt(T* p) noexcept {
        ComRef ref;
        ref.m_p = p;
        return ref;
    }
    // Adds a reference of its own.
    static ComRef Share(T* p) noexcept {
        if (p) p->AddRef();
        return Adopt(p);
    }

    void Reset() noexcept {
        if (T* old = std::exchange(m_p, nullptr)) old->Release();
    }
    T* Detach() noexcept { return std::exchange(m_p, nullptr); }
    T* Get() const noexcept { return m_p; }
    T* operator->() const noexcept { return m_p; }
    explicit operator bool() const noexcept { return m_p != nullptr; }
    T** Out() noexcept {
        Reset();
        return &m_p;
    }

private:
    T* m_p = nullptr;
};

}  // namespace host
