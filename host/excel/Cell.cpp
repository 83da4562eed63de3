#include "host/excel/Cell.h"

#include <cwctype>

namespace host {

namespace {

struct ErrorName {
    int code;
    const wchar_t* text;
};

constexpr ErrorName kErrorNames[] = {
    {xl::ErrNull, L"#NULL!"}, {xl::ErrDiv0, L"#DIV/0!"}, {xl::ErrValue, L"#VALUE!"}, {xl::ErrRef, L"#REF!"},
    {xl::ErrName, L"#NAME?"}, {xl::ErrNum, L"#NUM!"},    {xl::ErrNA, L"#N/A"},
};

}  // namespace

CellValue CellValue::Text(std::wstring text) {
    CellValue v;
    v.type = ValueType::Text;
    v.text = std::move(text);
    return v;
}

CellValue CellValue::Number(double number) {
    CellValue v;
    v.type = ValueType::Number;
    v.number = number;
    return v;
}

CellValue CellValue::Boolean(bool value) {
    CellValue v;
    v.type = ValueType::Boolean;
    v.boolean = value;
    return v;
}

CellValue CellValue::Error(int code) {
    CellValue v;
    v.type = ValueType::Error;
    v.error = code;
    return v;
}

bool operator==(const CellValue& a, const CellValue& b) {
    if (a.type != b.type) return false;
    switch (a.type) {
    case ValueType::Empty: return true;
    case ValueType::Text: return a.text == b.text;
    case ValueType::Number: return a.number == b.number;
    case ValueType::Boolean: return a.boolean == b.boolean;
    case ValueType::Error: return a.error == b.error;
    }
    return false;
}

std::wstring ErrorText(int code) {
    for (const auto& e : kErrorNames) {
        if (e.code == code) return e.text;
    }
    return {};
}

std::optional<int> ErrorFromText(std::wstring_view text) {
    for (const auto& e : kErrorNames) {
        std::wstring_view name(e.text);
        if (name.size() != text.size()) continue;
        bool same = true;
        for (size_t i = 0; i < name.size(); ++i) {
            if (std::towupper(text[i]) != name[i]) same = false;
        }
        if (same) return e.code;
    }
    return std::nullopt;
}

}  // namespace host
