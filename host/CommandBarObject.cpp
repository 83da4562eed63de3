#include "host/CommandBarObject.h"

#include "host/CommandBarControlsObject.h"
#include "host/Excel.h"
#include "host/ExcelError.h"

namespace host {

namespace {

enum : DISPID {
    kControls = 0x60040003,
    kDelete = 0x60040004,
};

const std::vector<Member>& Members()
{
    static const std::vector<Member> members = {
        {L"Controls", kControls, kGet, {}},
        {L"Delete", kDelete, kMethod, {}},
    };
    return members;
}

}  // namespace

CommandBarObject::CommandBarObject(std::shared_ptr<Excel> excel, std::shared_ptr<CommandBar> bar)
    : DispatchObject(std::move(excel), L"CommandBar", Members()), m_bar(std::move(bar))
{
}

ComRef<IDispatch> CommandBarObject::Create(std::shared_ptr<Excel> excel, std::shared_ptr<CommandBar> bar)
{
    return Make<CommandBarObject>(std::move(excel), std::move(bar));
}

Variant CommandBarObject::Call(const Member& member, Kind, const Arguments&)
{
    if (m_bar->Deleted()) throw ExcelError(message::OfficeMemberFailed(member.name, L"CommandBar"), E_FAIL);
    if (member.dispid == kControls) {
        return ObjectResult(CommandBarControlsObject::Create(SessionPtr(), m_bar->ControlsPtr()));
    }
    // Excel's own bars stay.
    if (!Session().CommandBars().Remove(*m_bar)) {
        throw ExcelError(message::OfficeMemberFailed(member.name, L"CommandBar"), E_FAIL);
    }
    return {};
}

}  // namespace host
