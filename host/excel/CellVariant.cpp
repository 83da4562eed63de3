#include "host/excel/CellVariant.h"

#include "host/excel/DateSerial.h"
#include "host/excel/ExcelError.h"
#include "host/excel/NumberFormat.h"

#include <cmath>

namespace host {

Variant CellToVariant(const Sheet::Stored* stored, const std::wstring& numberFormat, bool value2) {
    if (!stored || !stored->HasContent()) return Variant::Empty();
    const CellValue& value = stored->value;
    switch (value.type) {
    case ValueType::Empty: return stored->hasFormula ? Variant::String(L"") : Variant::Empty();
    case ValueType::Text: return Variant::String(value.text);
    case ValueType::Boolean: return Variant::Bool(value.boolean);
    case ValueType::Error: return Variant::Error(ErrorScode(value.error));
    case ValueType::Number: break;
    }
    double number = value.number;
    if (!value2 && IsDateFormat(numberFormat) && number >= 0 && number <= kMaxDateSerial) {
        return Variant::Date(OleDateFromSerial(number));
    }
    if (!value2 && IsCurrencyFormat(numberFormat) && std::fabs(number) < 922337203685477.0) {
        return Variant::Currency(std::llround(number * 10000.0));
    }
    return Variant::Double(number);
}

ParsedInput InputFromVariant(const VARIANT& source, const std::wstring& cellFormat, const InputLocale& locale,
                             const VersionLimits& limits) {
    Variant owned = Variant::CopyOf(source);
    const VARIANT& v = owned.Get();
    ParsedInput input;
    switch (v.vt) {
    case VT_EMPTY:
    case VT_NULL: return input;
    case VT_BSTR: {
        std::wstring text = v.bstrVal ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : std::wstring();
        if (text.size() > limits.cellText) throw ExcelError(message::ObjectDefined);
        ParsedInput parsed = ParseInput(text, cellFormat, locale);
        if (parsed.isFormula && parsed.formula.size() > limits.formula) throw ExcelError(message::ObjectDefined);
        return parsed;
    }
    case VT_BOOL: input.value = CellValue::Boolean(v.boolVal != VARIANT_FALSE); return input;
    case VT_DATE: {
        double serial = SerialFromOleDate(v.date);
        input.value = CellValue::Number(serial);
        double whole = std::floor(serial);
        if (serial == whole)
            input.numberFormat = L"m/d/yyyy";
        else if (whole == 0)
            input.numberFormat = L"h:mm:ss AM/PM";
        else
            input.numberFormat = L"m/d/yyyy h:mm";
        return input;
    }
    case VT_CY:
        input.value = CellValue::Number(double(v.cyVal.int64) / 10000.0);
        input.numberFormat = L"$#,##0.00";
        return input;
    case VT_ERROR: {
        unsigned code = unsigned(v.scode);
        if ((code & 0xFFFF0000u) == 0x800A0000u && !ErrorText(int(code & 0xFFFF)).empty()) {
            input.value = CellValue::Error(int(code & 0xFFFF));
            return input;
        }
        throw ExcelError(message::ObjectDefined);
    }
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_INT:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
    case VT_R4:
    case VT_R8:
    case VT_DECIMAL: {
        VARIANT number;
        VariantInit(&number);
        if (FAILED(VariantChangeType(&number, const_cast<VARIANT*>(&v), 0, VT_R8))) {
            throw ExcelError(message::ObjectDefined);
        }
        input.value = CellValue::Number(number.dblVal);
        return input;
    }
    default: throw ExcelError(message::ObjectDefined);
    }
}

}  // namespace host
