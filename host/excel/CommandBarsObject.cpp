#include "host/excel/CommandBarsObject.h"

#include "host/excel/CommandBarObject.h"
#include "host/excel/Excel.h"
#include "host/excel/ExcelError.h"
#include "host/excel/ItemIndex.h"

namespace host {

namespace {

enum : DISPID {
    kItem = 0x0,
    kActiveMenuBar = 0x60030001,
    kAdd = 0x60030002,
    kCount = 0x60030003,
};

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {
        {L"Item", kItem, kGet, {L"Index"}},
        {L"ActiveMenuBar", kActiveMenuBar, kGet, {}},
        {L"Add", kAdd, kMethod, {L"Name", L"Position", L"MenuBar", L"Temporary"}},
        {L"Count", kCount, kGet, {}},
    };
    return members;
}

}  // namespace

CommandBarsObject::CommandBarsObject(std::shared_ptr<Excel> excel)
    : DispatchObject(std::move(excel), L"CommandBars", Members()) {}

framework::ComPtr<IDispatch> CommandBarsObject::Create(std::shared_ptr<Excel> excel) {
    return Make<CommandBarsObject>(std::move(excel));
}

Variant CommandBarsObject::Call(const Member& member, Kind, const Arguments& args) {
    const host::CommandBars& bars = Session().CommandBars();
    switch (member.dispid) {
    case kItem: return Item(args);
    case kActiveMenuBar: return ObjectResult(CommandBarObject::Create(SessionPtr(), bars.ActiveMenuBar()));
    case kAdd: return Add(args);
    case kCount: return Variant::Long(long(bars.Count()));
    default: break;
    }
    throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0};
}

Variant CommandBarsObject::Item(const Arguments& args) {
    const host::CommandBars& bars = Session().CommandBars();
    ItemIndex index = ReadItemIndex(args, 0);
    auto bar = index.name ? bars.Find(*index.name) : index.number > 0 ? bars.Item(size_t(index.number)) : nullptr;
    if (!bar) throw ExcelError(message::InvalidCall, kInvalidCallScode);
    return ObjectResult(CommandBarObject::Create(SessionPtr(), bar));
}

Variant CommandBarsObject::Add(const Arguments& args) {
    host::CommandBars& bars = Session().CommandBars();
    std::wstring name = args.OptionalString(0).value_or(L"");
    long position = args.OptionalLong(1).value_or(mso::BarFloating);
    bool menuBar = args.OptionalBool(2).value_or(false);
    bool temporary = args.OptionalBool(3).value_or(false);
    if ((!name.empty() && bars.Find(name)) || position < mso::BarLeft || position > mso::BarPopup) {
        throw ExcelError(message::InvalidCall, kInvalidCallScode);
    }
    auto bar = bars.Add(std::move(name), position, menuBar, temporary);
    return ObjectResult(CommandBarObject::Create(SessionPtr(), bar));
}

}  // namespace host
