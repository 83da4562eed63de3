#include "host/excel/InteriorObject.h"

#include "host/excel/ExcelConstants.h"
#include "host/excel/ExcelError.h"

namespace host {

namespace {

constexpr DISPID kColor = 0x63;
constexpr DISPID kColorIndex = 0x61;
constexpr DISPID kPattern = 0x5F;
constexpr DISPID kPatternColor = 0x64;
constexpr DISPID kThemeColor = 0x93D;
constexpr DISPID kTintAndShade = 0x93E;

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {
        {L"Color", kColor, kGet | kPut, {}},
        {L"ColorIndex", kColorIndex, kGet | kPut, {}},
        {L"Pattern", kPattern, kGet | kPut, {}},
        {L"PatternColor", kPatternColor, kGet | kPut, {}},
        {L"ThemeColor", kThemeColor, kGet | kPut, {}},
        {L"TintAndShade", kTintAndShade, kGet | kPut, {}},
    };
    return members;
}

}  // namespace

InteriorObject::InteriorObject(std::shared_ptr<Excel> excel, Range range)
    : DispatchObject(std::move(excel), L"Interior", Members()), m_range(std::move(range)) {}

framework::ComPtr<IDispatch> InteriorObject::Create(std::shared_ptr<Excel> excel, Range range) {
    return Make<InteriorObject>(std::move(excel), std::move(range));
}

Variant InteriorObject::Call(const Member& member, Kind kind, const Arguments& args) {
    if (kind == Kind::Get) {
        switch (member.dispid) {
        case kColor: return m_range.InteriorColor();
        case kColorIndex: return m_range.InteriorColorIndex();
        case kPattern: return m_range.InteriorPattern();
        case kPatternColor: return m_range.InteriorPatternColor();
        case kThemeColor: return m_range.InteriorThemeColor();
        default: return m_range.InteriorTintAndShade();
        }
    }
    Variant value = args.PutVariant();
    Variant number;
    if (FAILED(VariantChangeType(&number.Get(), &value.Get(), 0, VT_R8)) ||
        number.Get().dblVal != number.Get().dblVal) {
        throw ExcelError(message::UnableToSet(member.name.c_str(), L"Interior"));
    }
    const double n = number.Get().dblVal;
    switch (member.dispid) {
    case kColor:
        if (n < 0 || n > xl::NoFillColor) throw ExcelError(message::UnableToSet(L"Color", L"Interior"));
        m_range.SetInteriorColor(long(n));
        break;
    case kColorIndex: m_range.SetInteriorColorIndex(long(n)); break;
    case kPattern: m_range.SetInteriorPattern(long(n)); break;
    case kPatternColor: m_range.SetInteriorPatternColor(long(n)); break;
    case kThemeColor: m_range.SetInteriorThemeColor(long(n)); break;
    default: m_range.SetInteriorTintAndShade(n); break;
    }
    return {};
}

}  // namespace host
