#include "host/excel/WindowsObject.h"

#include "host/excel/Excel.h"

namespace host {

namespace {

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {{L"Count", 0x76, kGet, {}}};
    return members;
}

}  // namespace

WindowsObject::WindowsObject(std::shared_ptr<Excel> excel) : DispatchObject(std::move(excel), L"Windows", Members()) {}

framework::ComPtr<IDispatch> WindowsObject::Create(std::shared_ptr<Excel> excel) {
    return Make<WindowsObject>(std::move(excel));
}

Variant WindowsObject::Call(const Member&, Kind, const Arguments&) { return Variant::Long(Session().WindowCount()); }

}  // namespace host
