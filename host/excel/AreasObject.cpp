#include "host/excel/AreasObject.h"

#include "host/excel/RangeObject.h"

namespace host {

namespace {

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {
        {L"_Default", 0x0, kGet, {L"Index"}},
        {L"Item", 0xAA, kGet, {L"Index"}},
        {L"Count", 0x76, kGet, {}},
    };
    return members;
}

}  // namespace

AreasObject::AreasObject(std::shared_ptr<Excel> excel, Range range)
    : DispatchObject(std::move(excel), L"Areas", Members()), m_range(std::move(range)) {}

framework::ComPtr<IDispatch> AreasObject::Create(std::shared_ptr<Excel> excel, Range range) {
    return Make<AreasObject>(std::move(excel), std::move(range));
}

Variant AreasObject::Call(const Member& member, Kind, const Arguments& args) {
    if (member.dispid == 0x76) return Variant::Long(long(m_range.Areas().size()));
    return ObjectResult(RangeObject::Create(SessionPtr(), m_range.AreaAt(args.Long(0))));
}

}  // namespace host
