#include "host/excel/WorksheetObject.h"

#include "host/excel/Address.h"
#include "host/excel/Excel.h"
#include "host/excel/ExcelError.h"
#include "host/excel/RangeObject.h"
#include "host/excel/WorkbookObject.h"

#include <windows.h>

namespace host {

namespace {

enum : DISPID {
    kName = 0x6E,
    kParent = 0x96,
    kRange = 0xC5,
    kCells = 0xEE,
    kColumns = 0xF1,
    kRows = 0x102,
    kActivate = 0x130,
    kUsedRange = 0x19C,
};

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {
        {L"Name", kName, kGet, {}},       {L"Range", kRange, kGet, {L"Cell1", L"Cell2"}},
        {L"Cells", kCells, kGet, {}},     {L"Rows", kRows, kGet, {}},
        {L"Columns", kColumns, kGet, {}}, {L"UsedRange", kUsedRange, kGet, {}},
        {L"Parent", kParent, kGet, {}},   {L"Activate", kActivate, kMethod, {}},
    };
    return members;
}

constexpr size_t kMaxReferenceText = 255;

// One argument of Range(): its areas on the sheet.
std::vector<Area> Corner(const std::shared_ptr<Sheet>& sheet, const Arguments& args, size_t position,
                         const wchar_t* className) {
    std::wstring failed = message::MethodFailed(L"Range", className);
    Variant value = args.Value(position);
    if (value.Type() == VT_DISPATCH) {
        auto range = RangeObject::From(value.Get().pdispVal);
        if (!range || range->SheetPtr() != sheet) throw ExcelError(failed);
        return range->Areas();
    }
    // Excel takes a reference text of at most 255 characters.
    std::wstring text = args.String(position);
    auto reference = text.size() <= kMaxReferenceText ? ParseReference(text, sheet->Size()) : std::nullopt;
    if (!reference) throw ExcelError(failed);
    if (!reference->sheetName.empty()) {
        const std::wstring& name = sheet->Name();
        if (CompareStringOrdinal(reference->sheetName.c_str(), -1, name.c_str(), -1, TRUE) != CSTR_EQUAL) {
            throw ExcelError(failed);
        }
    }
    return reference->areas;
}

}  // namespace

Range RangeArgument(const std::shared_ptr<Sheet>& sheet, const Arguments& args, const wchar_t* className) {
    if (args.IsMissing(0)) throw ArgumentError{DISP_E_PARAMNOTOPTIONAL, 0};
    std::vector<Area> first = Corner(sheet, args, 0, className);
    if (args.IsMissing(1)) return Range(sheet, first);
    std::vector<Area> second = Corner(sheet, args, 1, className);
    Area box = first.front();
    for (const auto& a : first) box = box.BoundingBox(a);
    for (const auto& a : second) box = box.BoundingBox(a);
    return Range(sheet, {box});
}

WorksheetObject::WorksheetObject(std::shared_ptr<Excel> excel, std::shared_ptr<Sheet> sheet)
    : DispatchObject(std::move(excel), L"Worksheet", Members()), m_sheet(std::move(sheet)) {}

framework::ComPtr<IDispatch> WorksheetObject::Create(std::shared_ptr<Excel> excel, std::shared_ptr<Sheet> sheet) {
    return Make<WorksheetObject>(std::move(excel), std::move(sheet));
}

Variant WorksheetObject::Call(const Member& member, Kind, const Arguments& args) {
    const Area whole = m_sheet->Whole();
    auto object = [&](Range range) { return ObjectResult(RangeObject::Create(SessionPtr(), std::move(range))); };
    switch (member.dispid) {
    case kName: return Variant::String(m_sheet->Name());
    case kParent: return ObjectResult(WorkbookObject::Create(SessionPtr()));
    case kActivate: Session().ActivateSheet(m_sheet->Name()); return {};
    case kRange: return object(RangeArgument(m_sheet, args, L"_Worksheet"));
    case kCells: return object(Range(m_sheet, {whole}));
    case kRows: return object(Range(m_sheet, {whole}, RangeMode::Rows));
    case kColumns: return object(Range(m_sheet, {whole}, RangeMode::Columns));
    case kUsedRange: return object(Range(m_sheet, {m_sheet->UsedArea().value_or(Area::Cell(1, 1))}));
    default: break;
    }
    throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0};
}

}  // namespace host
