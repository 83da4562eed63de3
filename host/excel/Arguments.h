// The arguments of one Invoke call read the way Excel reads them: positional arguments arrive
// reversed in rgvarg, named ones first with their DISPIDs, a property put's value as the named
// argument DISPID_PROPERTYPUT, an optional argument left out as VT_ERROR DISP_E_PARAMNOTFOUND (or
// not at all), any of them possibly by reference.
#pragma once

#include "framework/ComPtr.h"
#include "host/excel/Variant.h"

#include <windows.h>
#include <oaidl.h>

#include <optional>
#include <string>
#include <vector>

namespace host {

// A failure Invoke returns as it is (no EXCEPINFO): DISP_E_TYPEMISMATCH with the index into
// rgvarg of the bad argument, DISP_E_PARAMNOTOPTIONAL, DISP_E_BADPARAMCOUNT.
struct ArgumentError {
    HRESULT code;
    UINT argIndex;
};

class Arguments {
public:
    // Checks the counts and the named DISPIDs against a member of `paramCount` parameters;
    // throws ArgumentError.
    Arguments(const DISPPARAMS& params, size_t paramCount, bool isPut);

    bool IsMissing(size_t position) const;
    // The argument's value with references followed; VT_ERROR DISP_E_PARAMNOTFOUND when missing.
    Variant Value(size_t position) const;

    long Long(size_t position) const;
    std::optional<long> OptionalLong(size_t position) const;
    bool Bool(size_t position) const;
    std::optional<bool> OptionalBool(size_t position) const;
    double Double(size_t position) const;
    std::wstring String(size_t position) const;
    std::optional<std::wstring> OptionalString(size_t position) const;
    // An object argument; nothing when missing; throws DISP_E_TYPEMISMATCH for a non-object.
    // A null object (Nothing) comes back as an empty reference.
    std::optional<framework::ComPtr<IDispatch>> OptionalObject(size_t position) const;

    // The value of a property put.
    const VARIANT& PutValue() const { return *m_putValue; }
    Variant PutVariant() const { return Variant::CopyOf(*m_putValue); }
    // Index into rgvarg of a parameter, for puArgErr.
    UINT ArgIndex(size_t position) const;

private:
    const VARIANT* Find(size_t position) const;
    Variant Converted(size_t position, VARTYPE type) const;

    std::vector<const VARIANT*> m_slots;
    std::vector<UINT> m_indices;
    const VARIANT* m_putValue = nullptr;
};

}  // namespace host
