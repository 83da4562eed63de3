#include "host/excel/CommandBarControlsObject.h"

#include "host/excel/CommandBarControlObject.h"
#include "host/excel/ExcelError.h"
#include "host/excel/ItemIndex.h"
#include "host/excel/OfficeConstants.h"

namespace host {

namespace {

enum : DISPID {
    kItem = 0x0,
    kAdd = 0x60030000,
    kCount = 0x60030001,
};

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {
        {L"Item", kItem, kGet, {L"Index"}},
        {L"Add", kAdd, kMethod, {L"Type", L"Id", L"Parameter", L"Before", L"Temporary"}},
        {L"Count", kCount, kGet, {}},
    };
    return members;
}

}  // namespace

CommandBarControlsObject::CommandBarControlsObject(std::shared_ptr<Excel> excel,
                                                   std::shared_ptr<CommandBarControls> controls)
    : DispatchObject(std::move(excel), L"CommandBarControls", Members()), m_controls(std::move(controls)) {}

framework::ComPtr<IDispatch> CommandBarControlsObject::Create(std::shared_ptr<Excel> excel,
                                                              std::shared_ptr<CommandBarControls> controls) {
    return Make<CommandBarControlsObject>(std::move(excel), std::move(controls));
}

Variant CommandBarControlsObject::Call(const Member& member, Kind, const Arguments& args) {
    if (m_controls->Deleted()) {
        throw ExcelError(message::OfficeMemberFailed(member.name, L"CommandBarControls"), E_FAIL);
    }
    switch (member.dispid) {
    case kItem: return Item(args);
    case kAdd: return Add(args);
    case kCount: return Variant::Long(long(m_controls->Count()));
    default: break;
    }
    throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0};
}

Variant CommandBarControlsObject::Add(const Arguments& args) {
    long type = args.OptionalLong(0).value_or(mso::ControlButton);
    // Id (a built-in command to copy) and Parameter are read for their types only: every control
    // the stand-in makes is a custom one.
    args.OptionalLong(1);
    args.Value(2);
    std::optional<long> before = args.OptionalLong(3);
    bool temporary = args.OptionalBool(4).value_or(false);
    if ((type != mso::ControlButton && type != mso::ControlPopup) ||
        (before && (*before < 1 || size_t(*before) > m_controls->Count() + 1))) {
        throw ExcelError(message::InvalidCall, kInvalidCallScode);
    }
    auto control = m_controls->Add(type, {}, size_t(before.value_or(0)), temporary);
    return ObjectResult(CommandBarControlObject::Create(SessionPtr(), m_controls, control));
}

Variant CommandBarControlsObject::Item(const Arguments& args) {
    ItemIndex index = ReadItemIndex(args, 0);
    auto control = index.name         ? m_controls->Find(*index.name)
                   : index.number > 0 ? m_controls->Item(size_t(index.number))
                                      : nullptr;
    if (!control) throw ExcelError(message::InvalidCall, kInvalidCallScode);
    return ObjectResult(CommandBarControlObject::Create(SessionPtr(), m_controls, control));
}

}  // namespace host
