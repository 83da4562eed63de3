// Small owners for what must be given back when a scope ends, however it ends: a handle closed by its own
// function, a variable set for the scope, the data of a SAFEARRAY locked for reading or writing.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <utility>

namespace framework {

// Owns a handle that `Close` frees; an empty one holds the null handle. Moves, never copies.
template <class Handle, auto Close>
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : m_handle(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, Handle{})) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        std::swap(m_handle, other.m_handle);
        return *this;
    }
    ~UniqueHandle() {
        if (m_handle) Close(m_handle);
    }

    Handle Get() const noexcept { return m_handle; }
    // Gives the handle up to a new owner.
    Handle Release() noexcept { return std::exchange(m_handle, Handle{}); }
    explicit operator bool() const noexcept { return m_handle != Handle{}; }

private:
    Handle m_handle{};
};

// Sets a variable for the scope and puts its earlier value back at the end.
template <class T>
class ScopedValue {
public:
    ScopedValue(T& variable, T value) noexcept : m_variable(variable), m_previous(std::exchange(variable, value)) {}
    ~ScopedValue() { m_variable = m_previous; }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& m_variable;
    T m_previous;
};

// The elements of a SAFEARRAY, locked for the scope; Data() is null when the array cannot be locked.
template <class Element>
class SafeArrayData {
public:
    explicit SafeArrayData(SAFEARRAY* array) noexcept : m_array(array) {
        void* data = nullptr;
        if (array && SUCCEEDED(SafeArrayAccessData(array, &data))) m_data = static_cast<Element*>(data);
    }
    ~SafeArrayData() {
        if (m_data) SafeArrayUnaccessData(m_array);
    }
    SafeArrayData(const SafeArrayData&) = delete;
    SafeArrayData& operator=(const SafeArrayData&) = delete;

    Element* Data() const noexcept { return m_data; }

private:
    SAFEARRAY* m_array;
    Element* m_data = nullptr;
};

}  // namespace framework
