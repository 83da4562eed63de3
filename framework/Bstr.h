// Owns one BSTR.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

namespace framework {

class Bstr {
public:
    Bstr() noexcept = default;
    // An allocation failure leaves the Bstr empty; Get() then returns null, which COM reads as "".
    explicit Bstr(const std::wstring& text) : m_b(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr(const Bstr& other) : m_b(other.m_b ? ::SysAllocStringLen(other.m_b, other.Length()) : nullptr) {}
    Bstr(Bstr&& other) noexcept : m_b(other.Detach()) {}
    ~Bstr() { ::SysFreeString(m_b); }

    Bstr& operator=(Bstr other) noexcept {
        std::swap(m_b, other.m_b);
        return *this;
    }

    // Takes over a BSTR the caller owns.
    static Bstr Adopt(BSTR b) noexcept {
        Bstr result;
        result.m_b = b;
        return result;
    }

    BSTR Get() const noexcept { return m_b; }
    BSTR Detach() noexcept { return std::exchange(m_b, nullptr); }
    BSTR* ReleaseAndGetAddressOf() noexcept {
        ::SysFreeString(std::exchange(m_b, nullptr));
        return &m_b;
    }
    UINT Length() const noexcept { return ::SysStringLen(m_b); }
    // Embedded null characters survive: the length comes from the BSTR, not from a terminator.
    std::wstring ToWString() const { return m_b ? std::wstring(m_b, Length()) : std::wstring(); }

private:
    BSTR m_b = nullptr;
};

}  // namespace framework
