#include "host/excel/FormatConditionsObject.h"

namespace host {

namespace {

constexpr DISPID kCount = 0x76;

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {{L"Count", kCount, kGet, {}}};
    return members;
}

}  // namespace

FormatConditionsObject::FormatConditionsObject(std::shared_ptr<Excel> excel, Range range)
    : DispatchObject(std::move(excel), L"FormatConditions", Members()), m_range(std::move(range)) {}

framework::ComPtr<IDispatch> FormatConditionsObject::Create(std::shared_ptr<Excel> excel, Range range) {
    return Make<FormatConditionsObject>(std::move(excel), std::move(range));
}

Variant FormatConditionsObject::Call(const Member&, Kind, const Arguments&) {
    return Variant::Long(m_range.ConditionalFormatCount());
}

}  // namespace host
