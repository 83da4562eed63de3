#include "host/excel/Arguments.h"

namespace host {

Arguments::Arguments(const DISPPARAMS& params, size_t paramCount, bool isPut)
    : m_slots(paramCount, nullptr), m_indices(paramCount, 0) {
    if (params.cArgs > 0 && !params.rgvarg) throw ArgumentError{E_INVALIDARG, 0};
    if (params.cNamedArgs > params.cArgs || (params.cNamedArgs > 0 && !params.rgdispidNamedArgs)) {
        throw ArgumentError{E_INVALIDARG, 0};
    }
    UINT named = params.cNamedArgs;
    UINT firstNamed = 0;
    if (isPut) {
        if (named < 1 || params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            throw ArgumentError{DISP_E_PARAMNOTFOUND, 0};
        m_putValue = &params.rgvarg[0];
        firstNamed = 1;
    }
    UINT positional = params.cArgs - named;
    if (positional + (named - firstNamed) > paramCount) throw ArgumentError{DISP_E_BADPARAMCOUNT, 0};
    // The last rgvarg entry is the first positional argument.
    for (UINT k = 0; k < positional; ++k) {
        UINT index = params.cArgs - 1 - k;
        m_slots[k] = &params.rgvarg[index];
        m_indices[k] = index;
    }
    for (UINT k = firstNamed; k < named; ++k) {
        DISPID id = params.rgdispidNamedArgs[k];
        if (id < 0 || size_t(id) >= paramCount || m_slots[size_t(id)]) throw ArgumentError{DISP_E_PARAMNOTFOUND, k};
        m_slots[size_t(id)] = &params.rgvarg[k];
        m_indices[size_t(id)] = k;
    }
}

const VARIANT* Arguments::Find(size_t position) const {
    return position < m_slots.size() ? m_slots[position] : nullptr;
}

UINT Arguments::ArgIndex(size_t position) const { return position < m_indices.size() ? m_indices[position] : 0; }

bool Arguments::IsMissing(size_t position) const {
    const VARIANT* v = Find(position);
    if (!v) return true;
    if (v->vt == VT_ERROR) return v->scode == DISP_E_PARAMNOTFOUND;
    if (v->vt == (VT_BYREF | VT_ERROR)) return v->pscode && *v->pscode == DISP_E_PARAMNOTFOUND;
    if (v->vt == (VT_BYREF | VT_VARIANT) && v->pvarVal) {
        return v->pvarVal->vt == VT_ERROR && v->pvarVal->scode == DISP_E_PARAMNOTFOUND;
    }
    return false;
}

Variant Arguments::Value(size_t position) const {
    if (IsMissing(position)) return Variant::Missing();
    return Variant::CopyOf(*Find(position));
}

Variant Arguments::Converted(size_t position, VARTYPE type) const {
    if (IsMissing(position)) throw ArgumentError{DISP_E_PARAMNOTOPTIONAL, ArgIndex(position)};
    Variant value = Value(position);
    Variant converted;
    if (FAILED(VariantChangeType(&converted.Get(), &value.Get(), 0, type))) {
        throw ArgumentError{DISP_E_TYPEMISMATCH, ArgIndex(position)};
    }
    return converted;
}

long Arguments::Long(size_t position) const { return Converted(position, VT_I4).Get().lVal; }

std::optional<long> Arguments::OptionalLong(size_t position) const {
    if (IsMissing(position)) return std::nullopt;
    return Long(position);
}

bool Arguments::Bool(size_t position) const { return Converted(position, VT_BOOL).Get().boolVal != VARIANT_FALSE; }

std::optional<bool> Arguments::OptionalBool(size_t position) const {
    if (IsMissing(position)) return std::nullopt;
    return Bool(position);
}

double Arguments::Double(size_t position) const { return Converted(position, VT_R8).Get().dblVal; }

std::wstring Arguments::String(size_t position) const {
    Variant text = Converted(position, VT_BSTR);
    BSTR b = text.Get().bstrVal;
    return b ? std::wstring(b, SysStringLen(b)) : std::wstring();
}

std::optional<std::wstring> Arguments::OptionalString(size_t position) const {
    if (IsMissing(position)) return std::nullopt;
    return String(position);
}

std::optional<framework::ComPtr<IDispatch>> Arguments::OptionalObject(size_t position) const {
    if (IsMissing(position)) return std::nullopt;
    Variant value = Value(position);
    if (value.Type() == VT_DISPATCH) return framework::ComPtr<IDispatch>(value.Get().pdispVal);
    if (value.Type() == VT_UNKNOWN) {
        framework::ComPtr<IDispatch> object;
        if (!value.Get().punkVal) return object;
        if (SUCCEEDED(value.Get().punkVal->QueryInterface(IID_IDispatch,
                                                          reinterpret_cast<void**>(object.ReleaseAndGetAddressOf())))) {
            return object;
        }
    }
    throw ArgumentError{DISP_E_TYPEMISMATCH, ArgIndex(position)};
}

}  // namespace host
