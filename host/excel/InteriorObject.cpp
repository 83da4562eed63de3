#include "host/excel/InteriorObject.h"

#include "host/excel/ExcelConstants.h"
#include "host/excel/ExcelError.h"

namespace host {

namespace {

constexpr DISPID kColor = 0x63;
constexpr DISPID kColorIndex = 0x61;

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {
        {L"Color", kColor, kGet | kPut, {}},
        {L"ColorIndex", kColorIndex, kPut, {}},
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
    if (member.dispid == kColor && kind == Kind::Get) return m_range.InteriorColor();
    Variant value = args.PutVariant();
    Variant number;
    const wchar_t* property = member.dispid == kColor ? L"Color" : L"ColorIndex";
    if (FAILED(VariantChangeType(&number.Get(), &value.Get(), 0, VT_R8)) ||
        number.Get().dblVal != number.Get().dblVal) {
        throw ExcelError(message::UnableToSet(property, L"Interior"));
    }
    double n = number.Get().dblVal;
    if (member.dispid == kColor) {
        if (n < 0 || n > xl::NoFillColor) throw ExcelError(message::UnableToSet(property, L"Interior"));
        m_range.SetInteriorColor(long(n));
    } else {
        // Only "no fill" is offered: the stand-in keeps no colour palette.
        if (long(n) != xl::ColorIndexNone) throw ExcelError(message::UnableToSet(property, L"Interior"));
        m_range.ClearInterior();
    }
    return {};
}

}  // namespace host
