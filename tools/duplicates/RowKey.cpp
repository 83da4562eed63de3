#include "tools/duplicates/RowKey.h"

#include <charconv>
#include <cstdint>

namespace duplicates {

namespace {

// Every part starts with the tag of its kind and ends with a NUL, which no text part holds (below), so parts
// never run into one another and a part of one kind never equals a part of another.
constexpr char kTextTag = 't';
constexpr char kBooleanTag = 'b';
constexpr char kErrorTag = 'e';
constexpr char kOtherTag = 'o';

void AppendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The cell's text, byte for byte one-to-one with its UTF-16: no character is lost to a code page, a NUL
// inside the text is kept (as the two bytes C0 80, so no NUL byte appears), and an unpaired surrogate
// keeps a sequence of its own.
void AppendKeyText(std::string& out, std::wstring_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        std::uint32_t c = static_cast<std::uint16_t>(text[i]);
        if (c == 0) {
            out += "\xC0\x80";
            continue;
        }
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            std::uint32_t low = static_cast<std::uint16_t>(text[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        AppendUtf8(out, c);
    }
}

// "%f" in the C locale, whatever locale the host process set: six decimals, "." as the point.
std::string_view FixedSixDecimals(double number, char (&buffer)[400]) {
    auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed, 6);
    return std::string_view(buffer, static_cast<size_t>(result.ptr - buffer));
}

bool NumberOf(const VARIANT& value, double& number) {
    switch (value.vt) {
    case VT_R8: number = value.dblVal; return true;
    case VT_DATE: number = value.date; return true;
    case VT_CY: return SUCCEEDED(VarR8FromCy(value.cyVal, &number));
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
    case VT_DECIMAL: {
        VARIANT converted;
        VariantInit(&converted);
        if (FAILED(VariantChangeTypeEx(&converted, const_cast<VARIANT*>(&value), LOCALE_INVARIANT, 0, VT_R8)))
            return false;
        number = converted.dblVal;
        return true;
    }
    default: return false;
    }
}

}  // namespace

void RowKey::AddValue(const VARIANT& value) {
    double number = 0;
    char buffer[400];
    switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL: AddText({}); return;
    case VT_BSTR:
        AddText(value.bstrVal ? std::wstring_view(value.bstrVal, SysStringLen(value.bstrVal)) : std::wstring_view());
        return;
    case VT_BOOL: AddTagged(kBooleanTag, value.boolVal != VARIANT_FALSE ? "1" : "0"); return;
    case VT_ERROR: AddTagged(kErrorTag, std::to_string(static_cast<unsigned long>(value.scode))); return;
    default: break;
    }
    if (NumberOf(value, number)) {
        std::string_view text = FixedSixDecimals(number, buffer);
        m_key += kTextTag;
        m_key += text;
        m_key += '\0';
        m_blank = false;
        return;
    }
    AddTagged(kOtherTag, std::to_string(value.vt));
}

std::string RowKey::Take() {
    std::string key;
    if (!m_blank) key.swap(m_key);
    m_key.clear();
    m_blank = true;
    return key;
}

void RowKey::AddText(std::wstring_view text) {
    m_key += kTextTag;
    AppendKeyText(m_key, text);
    m_key += '\0';
    if (!text.empty()) m_blank = false;
}

void RowKey::AddTagged(char tag, std::string_view content) {
    m_key += tag;
    m_key += content;
    m_key += '\0';
    m_blank = false;
}

bool ShowsOnlyNumberSigns(std::wstring_view text) {
    return !text.empty() && text.find_first_not_of(L'#') == std::wstring_view::npos;
}

}  // namespace duplicates
