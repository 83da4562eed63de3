#include "host/excel/RibbonUIObject.h"

namespace host {

namespace {

// IRibbonUI's and IRibbonControl's DISPIDs, as Office's type library gives them.
enum : DISPID { kInvalidate = 1, kInvalidateControl = 2 };
enum : DISPID { kId = 1, kContext = 2, kTag = 3 };

const std::vector<Member>& UIMembers() {
    static const std::vector<Member> members = {
        {L"Invalidate", kInvalidate, kMethod, {}},
        {L"InvalidateControl", kInvalidateControl, kMethod, {L"ControlID"}},
    };
    return members;
}

const std::vector<Member>& ControlMembers() {
    static const std::vector<Member> members = {
        {L"Id", kId, kGet, {}},
        {L"Context", kContext, kGet, {}},
        {L"Tag", kTag, kGet, {}},
    };
    return members;
}

}  // namespace

RibbonUIObject::RibbonUIObject(std::shared_ptr<Excel> excel, std::shared_ptr<RibbonInvalidations> log)
    : DispatchObject(std::move(excel), L"IRibbonUI", UIMembers()), m_log(std::move(log)) {}

framework::ComPtr<IDispatch> RibbonUIObject::Create(std::shared_ptr<Excel> excel, std::shared_ptr<RibbonInvalidations> log) {
    return Make<RibbonUIObject>(std::move(excel), std::move(log));
}

Variant RibbonUIObject::Call(const Member& member, Kind, const Arguments& args) {
    m_log->requests.push_back(member.dispid == kInvalidate ? std::wstring(L"*") : args.String(0));
    return {};
}

RibbonControlObject::RibbonControlObject(std::shared_ptr<Excel> excel, std::wstring id)
    : DispatchObject(std::move(excel), L"IRibbonControl", ControlMembers()), m_id(std::move(id)) {}

framework::ComPtr<IDispatch> RibbonControlObject::Create(std::shared_ptr<Excel> excel, std::wstring id) {
    return Make<RibbonControlObject>(std::move(excel), std::move(id));
}

Variant RibbonControlObject::Call(const Member& member, Kind, const Arguments&) {
    switch (member.dispid) {
    case kId: return Variant::String(m_id);
    case kContext: return Variant::AdoptDispatch(nullptr);
    default: return Variant::String(L"");
    }
}

}  // namespace host
