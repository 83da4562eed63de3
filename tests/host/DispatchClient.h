// Calls IDispatch::Invoke the way a client does: arguments in natural order go into rgvarg
// reversed, a put's value as the named argument DISPID_PROPERTYPUT.
#pragma once

#include "framework/ComPtr.h"
#include "host/excel/Variant.h"

#include <string>
#include <vector>

namespace host::test {

struct CallResult {
    HRESULT hr = E_FAIL;
    Variant value;
    std::wstring description;  // EXCEPINFO's, for DISP_E_EXCEPTION
    HRESULT scode = S_OK;      // EXCEPINFO's
    UINT argError = 0xDEADBEEF;

    // The object the call returned, with its own reference.
    framework::ComPtr<IDispatch> Object() const;
};

CallResult Get(IDispatch* object, DISPID dispid, std::vector<Variant> args = {});
CallResult Put(IDispatch* object, DISPID dispid, Variant value, std::vector<Variant> args = {});
CallResult Call(IDispatch* object, DISPID dispid, std::vector<Variant> args = {});
CallResult Invoke(IDispatch* object, DISPID dispid, WORD flags, std::vector<Variant> args,
                  std::vector<DISPID> namedIds = {});

// Get that must succeed and give an object; fails the test otherwise.
framework::ComPtr<IDispatch> GetObject(IDispatch* object, DISPID dispid, std::vector<Variant> args = {});

inline Variant Str(const wchar_t* text) { return Variant::String(text); }
inline Variant Int(long value) { return Variant::Long(value); }
inline Variant Missing() { return Variant::Missing(); }

// DISPIDs the tests call.
namespace id {
constexpr DISPID Value = 0x6, Count = 0x76, Interior = 0x81, HorizontalAlignment = 0x88, VerticalAlignment = 0x89,
                 Text = 0x8A, Selection = 0x93, Color = 0x63, Item = 0xAA, Select = 0xEB, Address = 0xEC,
                 Cells = 0xEE, Column = 0xF0, Columns = 0xF1, ColumnWidth = 0xF2, EntireColumn = 0xF6,
                 ClearContents = 0x71, Row = 0x101, Rows = 0x102, HasArray = 0x10A, HasFormula = 0x10B,
                 WrapText = 0x114, Quit = 0x12E, ActiveSheet = 0x133, Calculation = 0x13C, InputBox = 0x165,
                 ScreenUpdating = 0x17E, StatusBar = 0x182, Version = 0x188, UsedRange = 0x19C, Windows = 0x1AE, Merge = 0x234,
                 Areas = 0x238, Intersect = 0x2FE, Union = 0x30B, EnableEvents = 0x4BC, UnMerge = 0x568,
                 Range = 0xC5, MergeCells = 0xD0, Name = 0x6E, Offset = 0xFE, Resize = 0x100,
                 Formula = 0x105;
}  // namespace id

}  // namespace host::test
