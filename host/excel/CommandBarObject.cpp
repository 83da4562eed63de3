#include "host/excel/CommandBarObject.h"

#include "host/excel/CommandBarControlsObject.h"
#include "host/excel/Excel.h"
#include "host/excel/ExcelError.h"

namespace host {

namespace {

enum : DISPID {
    kControls = 0x60040003,
    kDelete = 0x60040004,
    kVisible = 0x6004001E,
};

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {
        {L"Controls", kControls, kGet, {}},
        {L"Delete", kDelete, kMethod, {}},
        {L"Visible", kVisible, kGet | kPut, {}},
    };
    return members;
}

}  // namespace

CommandBarObject::CommandBarObject(std::shared_ptr<Excel> excel, std::shared_ptr<CommandBar> bar)
    : DispatchObject(std::move(excel), L"CommandBar", Members()), m_bar(std::move(bar)) {}

framework::ComPtr<IDispatch> CommandBarObject::Create(std::shared_ptr<Excel> excel, std::shared_ptr<CommandBar> bar) {
    return Make<CommandBarObject>(std::move(excel), std::move(bar));
}

Variant CommandBarObject::Call(const Member& member, Kind kind, const Arguments& args) {
    if (m_bar->Deleted()) throw ExcelError(message::OfficeMemberFailed(member.name, L"CommandBar"), E_FAIL);
    if (member.dispid == kControls) {
        return ObjectResult(CommandBarControlsObject::Create(SessionPtr(), m_bar->ControlsPtr()));
    }
    if (member.dispid == kVisible) {
        if (kind != Kind::Put) return Variant::Bool(m_bar->Visible());
        Variant value = args.PutVariant();
        Variant converted;
        if (FAILED(VariantChangeType(&converted.Get(), &value.Get(), 0, VT_BOOL)))
            throw ArgumentError{DISP_E_TYPEMISMATCH, 0};
        m_bar->SetVisible(converted.Get().boolVal != VARIANT_FALSE);
        return {};
    }
    // Excel's own bars stay.
    if (!Session().CommandBars().Remove(*m_bar)) {
        throw ExcelError(message::OfficeMemberFailed(member.name, L"CommandBar"), E_FAIL);
    }
    return {};
}

}  // namespace host
