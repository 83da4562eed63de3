#include "host/excel/WorkbookObject.h"

#include "host/excel/Excel.h"

namespace host {

namespace {

constexpr DISPID kName = 0x6E;

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {{L"Name", kName, kGet, {}}};
    return members;
}

}  // namespace

WorkbookObject::WorkbookObject(std::shared_ptr<Excel> excel)
    : DispatchObject(std::move(excel), L"Workbook", Members()) {}

framework::ComPtr<IDispatch> WorkbookObject::Create(std::shared_ptr<Excel> excel) {
    return Make<WorkbookObject>(std::move(excel));
}

Variant WorkbookObject::Call(const Member&, Kind, const Arguments&) {
    return Variant::String(Session().WorkbookName());
}

}  // namespace host
