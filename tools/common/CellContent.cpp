#include "tools/common/CellContent.h"

#include "tools/common/CellArray.h"

namespace blocks {

namespace {

CellContent OfKind(ContentKind kind, double number) { return {kind, number, std::wstring()}; }

// Any number Excel may hand out (a double, an integer, a decimal) as the double it is; nothing for the rest.
bool AsDouble(const VARIANT& value, double& number) {
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, VT_R8))) return false;
    number = converted.dblVal;
    return true;
}

std::uint64_t HashOf(std::wstring_view text) {
    // FNV-1a over the code units.
    std::uint64_t hash = 14695981039346656037ull;
    for (wchar_t unit : text) {
        hash ^= static_cast<std::uint16_t>(unit);
        hash *= 1099511628211ull;
    }
    return hash;
}

bool IsEmptyText(const VARIANT& value) {
    return value.vt == VT_EMPTY || (value.vt == VT_BSTR && TextOf(value).empty());
}

}  // namespace

ContentLeft ContentLeft::Of(const CellContent& content) {
    ContentLeft left;
    left.kind = content.kind;
    left.number = content.number;
    if (content.kind == ContentKind::Text || content.kind == ContentKind::Formula) left.hash = HashOf(content.text);
    return left;
}

CellContent ConstantOf(const VARIANT& value, const VARIANT& value2) {
    switch (value.vt) {
    case VT_EMPTY: return CellContent::Empty();
    case VT_BSTR: return CellContent::Text(TextOf(value));
    case VT_R8: return OfKind(ContentKind::Number, value.dblVal);
    case VT_DATE: return OfKind(ContentKind::Date, value.date);
    case VT_BOOL: return OfKind(ContentKind::Boolean, value.boolVal != VARIANT_FALSE ? 1 : 0);
    case VT_ERROR: return OfKind(ContentKind::Error, static_cast<double>(static_cast<unsigned long>(value.scode)));
    default: break;
    }
    double number = 0;
    if (AsDouble(value2, number) || AsDouble(value, number)) return OfKind(ContentKind::Number, number);
    return CellContent::Empty();
}

CellContent ContentWritten(const VARIANT& written) {
    if (written.vt == VT_BSTR) {
        std::wstring_view text = TextOf(written);
        if (text.empty()) return CellContent::Empty();
        if (text.front() == L'\'') text.remove_prefix(1);
        return CellContent::Text(text);
    }
    return ConstantOf(written, written);
}

bool ValueShows(const VARIANT& value, const CellContent& content) {
    if (content.kind == ContentKind::Formula) return false;
    // An empty text and an emptied cell are alike: "'" leaves the one, "" the other.
    if (content.kind == ContentKind::Text && content.text.empty()) return IsEmptyText(value);
    // A currency amount compares by the four decimals Value gives.
    if (value.vt == VT_CY && content.kind == ContentKind::Number) {
        CY amount;
        return SUCCEEDED(VarCyFromR8(content.number, &amount)) && amount.int64 == value.cyVal.int64;
    }
    return ConstantOf(value, value) == content;
}

bool ValueShows(const VARIANT& value, const ContentLeft& left) {
    if (left.kind == ContentKind::Formula) return false;
    if (left.kind == ContentKind::Text && left == ContentLeft::Of(CellContent::Text(L""))) return IsEmptyText(value);
    return ContentLeft::Of(ConstantOf(value, value)) == left;
}

}  // namespace blocks
