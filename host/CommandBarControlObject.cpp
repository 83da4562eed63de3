#include "host/CommandBarControlObject.h"

#include "host/CommandBarControlsObject.h"
#include "host/ExcelError.h"

namespace host {

namespace {

enum : DISPID {
    kBeginGroup = 0x60040000,
    kCaption = 0x60040003,
    kDelete = 0x60040007,
    kPopupControls = 0x60050001,
};

const std::vector<Member>& ButtonMembers()
{
    static const std::vector<Member> members = {
        {L"BeginGroup", kBeginGroup, kGet | kPut, {}},
        {L"Caption", kCaption, kGet | kPut, {}},
        {L"Delete", kDelete, kMethod, {L"Temporary"}},
    };
    return members;
}

const std::vector<Member>& PopupMembers()
{
    static const std::vector<Member> members = [] {
        std::vector<Member> all = ButtonMembers();
        all.push_back({L"Controls", kPopupControls, kGet, {}});
        return all;
    }();
    return members;
}

// A put's value converted to `type`; a value that does not convert is a type mismatch.
Variant PutValueAs(const Arguments& args, VARTYPE type)
{
    Variant value = args.PutVariant();
    Variant converted;
    if (FAILED(VariantChangeType(&converted.Get(), &value.Get(), 0, type))) throw ArgumentError{DISP_E_TYPEMISMATCH, 0};
    return converted;
}

}  // namespace

CommandBarControlObject::CommandBarControlObject(std::shared_ptr<Excel> excel,
                                                 std::shared_ptr<CommandBarControls> parent,
                                                 std::shared_ptr<CommandBarControl> control)
    : DispatchObject(std::move(excel), L"CommandBarControl", control->IsPopup() ? PopupMembers() : ButtonMembers()),
      m_parent(std::move(parent)), m_control(std::move(control))
{
}

ComRef<IDispatch> CommandBarControlObject::Create(std::shared_ptr<Excel> excel,
                                                  std::shared_ptr<CommandBarControls> parent,
                                                  std::shared_ptr<CommandBarControl> control)
{
    return Make<CommandBarControlObject>(std::move(excel), std::move(parent), std::move(control));
}

Variant CommandBarControlObject::Call(const Member& member, Kind kind, const Arguments& args)
{
    const wchar_t* className = m_control->IsPopup() ? L"CommandBarPopup" : L"CommandBarButton";
    if (m_control->Deleted()) throw ExcelError(message::OfficeMemberFailed(member.name, className), E_FAIL);
    const bool put = kind == Kind::Put;
    switch (member.dispid) {
    case kBeginGroup:
        if (!put) return Variant::Bool(m_control->BeginGroup());
        m_control->SetBeginGroup(PutValueAs(args, VT_BOOL).Get().boolVal != VARIANT_FALSE);
        return {};
    case kCaption: {
        if (!put) return Variant::String(m_control->Caption());
        Variant text = PutValueAs(args, VT_BSTR);
        BSTR b = text.Get().bstrVal;
        m_control->SetCaption(b ? std::wstring(b, SysStringLen(b)) : std::wstring());
        return {};
    }
    case kDelete:
        // Temporary only says whether the deletion outlasts the session, which the stand-in does not end.
        args.OptionalBool(0);
        m_parent->Remove(*m_control);
        return {};
    case kPopupControls: return ObjectResult(CommandBarControlsObject::Create(SessionPtr(), m_control->ControlsPtr()));
    default: break;
    }
    throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0};
}

}  // namespace host
