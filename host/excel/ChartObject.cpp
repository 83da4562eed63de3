#include "host/excel/ChartObject.h"

#include "host/excel/Excel.h"

namespace host {

namespace {

constexpr DISPID kName = 0x6E;
constexpr DISPID kSelect = 0xEB;

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {
        {L"Name", kName, kGet, {}},
        {L"Select", kSelect, kMethod, {L"Replace"}},
    };
    return members;
}

}  // namespace

ChartObject::ChartObject(std::shared_ptr<Excel> excel, std::wstring name)
    : DispatchObject(std::move(excel), L"ChartObject", Members()), m_name(std::move(name)) {}

framework::ComPtr<IDispatch> ChartObject::Create(std::shared_ptr<Excel> excel, std::wstring name) {
    return Make<ChartObject>(std::move(excel), std::move(name));
}

Variant ChartObject::Call(const Member& member, Kind, const Arguments&) {
    if (member.dispid == kName) return Variant::String(m_name);
    Session().SelectChart(m_name);
    return Variant::Bool(true);
}

}  // namespace host
