#include "host/excel/FontObject.h"

namespace host {

namespace {

constexpr DISPID kBold = 0x60;
constexpr DISPID kItalic = 0x65;
constexpr DISPID kSize = 0x68;
constexpr DISPID kName = 0x6E;

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {
        {L"Bold", kBold, kGet, {}},
        {L"Italic", kItalic, kGet, {}},
        {L"Size", kSize, kGet, {}},
        {L"Name", kName, kGet, {}},
    };
    return members;
}

}  // namespace

FontObject::FontObject(std::shared_ptr<Excel> excel, Range range)
    : DispatchObject(std::move(excel), L"Font", Members()), m_range(std::move(range)) {}

framework::ComPtr<IDispatch> FontObject::Create(std::shared_ptr<Excel> excel, Range range) {
    return Make<FontObject>(std::move(excel), std::move(range));
}

Variant FontObject::Call(const Member& member, Kind, const Arguments&) {
    switch (member.dispid) {
    case kBold: return m_range.Look(FormatProperty::FontBold);
    case kItalic: return m_range.Look(FormatProperty::FontItalic);
    case kSize: return m_range.Look(FormatProperty::FontSize);
    default: return m_range.Look(FormatProperty::FontName);
    }
}

}  // namespace host
