#include "host/excel/ApplicationObject.h"

#include <cwchar>

#include "host/excel/InputBoxPresenter.h"

#include "host/excel/ChartObject.h"
#include "host/excel/CommandBarsObject.h"
#include "host/excel/Excel.h"
#include "host/excel/ExcelError.h"
#include "host/excel/InputParser.h"
#include "host/excel/RangeObject.h"
#include "host/excel/WindowsObject.h"
#include "host/excel/WorksheetObject.h"

namespace host {

namespace {

enum : DISPID {
    kName = 0x6E,
    kSelection = 0x93,
    kRange = 0xC5,
    kCells = 0xEE,
    kQuit = 0x12E,
    kActiveCell = 0x131,
    kActiveSheet = 0x133,
    kCalculation = 0x13C,
    kInputBox = 0x165,
    kScreenUpdating = 0x17E,
    kStatusBar = 0x182,
    kVersion = 0x188,
    kWindows = 0x1AE,
    kIntersect = 0x2FE,
    kUnion = 0x30B,
    kEnableEvents = 0x4BC,
    kCommandBars = 0x59F,
    kHwnd = 0x77A,  // clients find it by name: Excel 2000 has none
};

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {
        {L"Name", kName, kGet, {}},
        {L"Selection", kSelection, kGet, {}},
        {L"Range", kRange, kGet, {L"Cell1", L"Cell2"}},
        {L"Cells", kCells, kGet, {}},
        {L"Quit", kQuit, kMethod, {}},
        {L"ActiveCell", kActiveCell, kGet, {}},
        {L"ActiveSheet", kActiveSheet, kGet, {}},
        {L"Calculation", kCalculation, kGet | kPut, {}},
        {L"InputBox",
         kInputBox,
         kMethod,
         {L"Prompt", L"Title", L"Default", L"Left", L"Top", L"HelpFile", L"HelpContextID", L"Type"}},
        {L"ScreenUpdating", kScreenUpdating, kGet | kPut, {}},
        {L"StatusBar", kStatusBar, kGet | kPut, {}},
        {L"Version", kVersion, kGet, {}},
        {L"Windows", kWindows, kGet, {}},
        {L"Intersect", kIntersect, kMethod, NumberedParams(L"Arg", 30)},
        {L"Union", kUnion, kMethod, NumberedParams(L"Arg", 30)},
        {L"EnableEvents", kEnableEvents, kGet | kPut, {}},
        {L"CommandBars", kCommandBars, kGet, {}},
        {L"Hwnd", kHwnd, kGet, {}},
    };
    return members;
}

bool PutBool(const Arguments& args, const wchar_t* property) {
    Variant value = args.PutVariant();
    Variant converted;
    if (FAILED(VariantChangeType(&converted.Get(), &value.Get(), 0, VT_BOOL))) {
        throw ExcelError(message::UnableToSet(property, L"Application"));
    }
    return converted.Get().boolVal != VARIANT_FALSE;
}

}  // namespace

ApplicationObject::ApplicationObject(std::shared_ptr<Excel> excel)
    : DispatchObject(std::move(excel), L"Application", Members()) {}

framework::ComPtr<IDispatch> ApplicationObject::Create(std::shared_ptr<Excel> excel) {
    return Make<ApplicationObject>(std::move(excel));
}

Variant ApplicationObject::Call(const Member& member, Kind kind, const Arguments& args) {
    Excel& excel = Session();
    const bool put = kind == Kind::Put;
    auto object = [&](Range range) { return ObjectResult(RangeObject::Create(SessionPtr(), std::move(range))); };
    switch (member.dispid) {
    case kName: return Variant::String(L"Microsoft Excel");
    case kSelection:
        if (excel.ChartSelected()) return ObjectResult(ChartObject::Create(SessionPtr(), excel.ChartName()));
        return object(excel.Selection());
    case kRange: return object(RangeArgument(excel.ActiveSheetPtr(), args, L"_Global"));
    case kCells: return object(Range(excel.ActiveSheetPtr(), {excel.ActiveSheet().Whole()}));
    case kActiveCell: return object(Range(excel.ActiveSheetPtr(), {excel.ActiveSheet().ActiveCell()}));
    case kActiveSheet: return ObjectResult(WorksheetObject::Create(SessionPtr(), excel.ActiveSheetPtr()));
    case kQuit: excel.RecordQuit(); return {};
    case kCalculation:
        if (put) {
            Variant value = args.PutVariant();
            Variant mode;
            if (FAILED(VariantChangeType(&mode.Get(), &value.Get(), 0, VT_I4)) ||
                (mode.Get().lVal != xl::CalculationAutomatic && mode.Get().lVal != xl::CalculationManual &&
                 mode.Get().lVal != xl::CalculationSemiautomatic)) {
                throw ExcelError(message::UnableToSet(L"Calculation", L"Application"));
            }
            excel.SetCalculation(mode.Get().lVal);
            return {};
        }
        return Variant::Long(excel.Calculation());
    case kInputBox: return InputBox(args);
    case kScreenUpdating:
        if (put) {
            excel.SetScreenUpdating(PutBool(args, L"ScreenUpdating"));
            return {};
        }
        return Variant::Bool(excel.ScreenUpdating());
    case kEnableEvents:
        if (put) {
            excel.SetEnableEvents(PutBool(args, L"EnableEvents"));
            return {};
        }
        return Variant::Bool(excel.EnableEvents());
    case kStatusBar: return StatusBar(put, args);
    case kVersion: return Variant::String(excel.Version());
    case kHwnd:
        // Excel 2002 brought it.
        if (std::wcstol(excel.Version().c_str(), nullptr, 10) < 10) break;
        return Variant::Long(static_cast<long>(reinterpret_cast<LONG_PTR>(excel.MainWindow())));
    case kWindows: return ObjectResult(WindowsObject::Create(SessionPtr()));
    case kCommandBars: return ObjectResult(CommandBarsObject::Create(SessionPtr()));
    case kUnion: return UnionOrIntersect(true, args);
    case kIntersect: return UnionOrIntersect(false, args);
    default: break;
    }
    throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0};
}

Variant ApplicationObject::StatusBar(bool put, const Arguments& args) {
    Excel& excel = Session();
    if (excel.StatusBarFails()) throw ExcelError(message::MethodFailed(L"StatusBar", L"_Application"));
    if (!put) return excel.StatusBar() ? Variant::String(*excel.StatusBar()) : Variant::Bool(false);
    // False gives the status bar back to Excel; anything else shows as its text.
    Variant value = args.PutVariant();
    if (value.Type() == VT_BOOL && value.Get().boolVal == VARIANT_FALSE) {
        excel.RecordStatusBarPut(std::nullopt);
        return {};
    }
    Variant text;
    if (FAILED(VariantChangeType(&text.Get(), &value.Get(), VARIANT_ALPHABOOL, VT_BSTR))) {
        throw ExcelError(message::UnableToSet(L"StatusBar", L"Application"));
    }
    excel.RecordStatusBarPut(text.AsString());
    return {};
}

Variant ApplicationObject::InputBox(const Arguments& args) {
    Excel& excel = Session();
    InputBoxCall call;
    call.prompt = args.String(0);
    call.title = args.Value(1);
    call.defaultValue = args.Value(2);
    call.left = args.Value(3);
    call.top = args.Value(4);
    call.helpFile = args.Value(5);
    call.helpContextId = args.Value(6);
    call.type = args.Value(7);
    long type = args.OptionalLong(7).value_or(2);
    Excel::InputBoxAnswer answer = excel.TakeInputBoxAnswer();
    PresentInputBox(call, answer.text);
    excel.RecordInputBox(std::move(call));
    switch (answer.kind) {
    case Excel::InputBoxAnswer::Kind::Cancel: return Variant::Bool(false);
    case Excel::InputBoxAnswer::Kind::Range:
        if (type & 8) return ObjectResult(RangeObject::Create(SessionPtr(), excel.ResolveReference(answer.text)));
        return Variant::String(answer.text);
    case Excel::InputBoxAnswer::Kind::Text:
        if (type & 8) return ObjectResult(RangeObject::Create(SessionPtr(), excel.ResolveReference(answer.text)));
        if (type == 1) {
            if (auto number = ParsePlainNumber(answer.text)) return Variant::Double(*number);
        }
        return Variant::String(answer.text);
    }
    return Variant::Bool(false);
}

Variant ApplicationObject::UnionOrIntersect(bool isUnion, const Arguments& args) {
    const wchar_t* method = isUnion ? L"Union" : L"Intersect";
    std::vector<Range> ranges;
    for (size_t i = 0; i < 30; ++i) {
        auto object = args.OptionalObject(i);
        if (!object) {
            if (i < 2) throw ArgumentError{DISP_E_PARAMNOTOPTIONAL, 0};
            continue;
        }
        if (!object->Get()) throw ExcelError(message::InvalidCall, kInvalidCallScode);
        auto range = RangeObject::From(object->Get());
        if (!range) throw ArgumentError{DISP_E_TYPEMISMATCH, args.ArgIndex(i)};
        ranges.push_back(*range);
    }
    for (const auto& range : ranges) {
        if (range.SheetPtr() != ranges.front().SheetPtr()) {
            throw ExcelError(std::wstring(L"Method '") + method + L"' of object '_Application' failed");
        }
    }
    if (isUnion) return ObjectResult(RangeObject::Create(SessionPtr(), Range::Union(ranges)));
    auto common = Range::Intersect(ranges);
    if (!common) return Variant::AdoptDispatch(nullptr);
    return ObjectResult(RangeObject::Create(SessionPtr(), *common));
}

}  // namespace host
