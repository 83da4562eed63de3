// A failure of an Excel operation, carried to the caller of Invoke as DISP_E_EXCEPTION with this
// description in EXCEPINFO, as Excel reports its own errors.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace host {

// The SCODE Excel puts into EXCEPINFO for most of its errors (run-time error 1004).
constexpr HRESULT kExcelErrorScode = HRESULT(0x800A03EC);
// Run-time error 5, "Invalid procedure call or argument": Excel's bad arguments and Office's
// missing command bars and controls.
constexpr HRESULT kInvalidCallScode = HRESULT(0x800A0005);

class ExcelError : public std::exception {
public:
    explicit ExcelError(std::wstring description, HRESULT scode = kExcelErrorScode)
        : m_description(std::move(description)), m_scode(scode) {}
    const std::wstring& Description() const noexcept { return m_description; }
    HRESULT Scode() const noexcept { return m_scode; }
    const char* what() const noexcept override { return "Excel error"; }

private:
    std::wstring m_description;
    HRESULT m_scode;
};

namespace message {

inline const wchar_t* const Protected =
    L"The cell or chart that you are trying to change is protected and therefore read-only.";
inline const wchar_t* const MergedPart = L"Cannot change part of a merged cell.";
inline const wchar_t* const ArrayPart = L"You cannot change part of an array.";
inline const wchar_t* const ObjectDefined = L"Application-defined or object-defined error";
inline const wchar_t* const Overflow = L"Overflow";
inline const wchar_t* const OutOfMemory = L"Out of memory";
inline const wchar_t* const InvalidCall = L"Invalid procedure call or argument";

inline std::wstring UnableToGet(const std::wstring& property, const std::wstring& className) {
    return L"Unable to get the " + property + L" property of the " + className + L" class";
}
inline std::wstring UnableToSet(const std::wstring& property, const std::wstring& className) {
    return L"Unable to set the " + property + L" property of the " + className + L" class";
}
inline std::wstring MethodFailed(const std::wstring& method, const std::wstring& className) {
    return method + L" method of " + className + L" class failed";
}
// Office's command-bar objects word a refused call differently from Excel (with SCODE E_FAIL).
inline std::wstring OfficeMemberFailed(const std::wstring& member, const std::wstring& className) {
    return L"Method '" + member + L"' of object '" + className + L"' failed";
}

}  // namespace message

}  // namespace host
