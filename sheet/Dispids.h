// Excel's published DISPIDs of the members the add-in calls.
#pragma once

#include <windows.h>

namespace sheet::dispid {

// Application
constexpr DISPID ActiveSheet = 0x133;
constexpr DISPID CommandBars = 0x59F;
constexpr DISPID Selection = 0x93;
constexpr DISPID ActiveCell = 0x131;
constexpr DISPID Union = 0x30B;
constexpr DISPID Intersect = 0x2FE;
constexpr DISPID Windows = 0x1AE;
constexpr DISPID Calculation = 0x13C;
constexpr DISPID InputBox = 0x165;
constexpr DISPID Quit = 0x12E;
constexpr DISPID ScreenUpdating = 0x17E;
constexpr DISPID EnableEvents = 0x4BC;
constexpr DISPID Version = 0x188;
constexpr DISPID StatusBar = 0x182;

// Worksheet and Workbook
constexpr DISPID UsedRange = 0x19C;
constexpr DISPID Range = 0xC5;
constexpr DISPID Name = 0x6E;
constexpr DISPID Parent = 0x96;
constexpr DISPID Activate = 0x130;

// Range, Areas, Windows
constexpr DISPID Areas = 0x238;
constexpr DISPID Item = 0xAA;
constexpr DISPID Count = 0x76;
constexpr DISPID Cells = 0xEE;
constexpr DISPID Rows = 0x102;
constexpr DISPID Columns = 0xF1;
constexpr DISPID EntireColumn = 0xF6;
constexpr DISPID Value = 0x6;
constexpr DISPID Text = 0x8A;
constexpr DISPID HasArray = 0x10A;
constexpr DISPID HasFormula = 0x10B;
constexpr DISPID Address = 0xEC;
constexpr DISPID ClearContents = 0x71;
constexpr DISPID Select = 0xEB;
constexpr DISPID Merge = 0x234;
constexpr DISPID UnMerge = 0x568;
constexpr DISPID MergeCells = 0xD0;
constexpr DISPID ColumnWidth = 0xF2;
constexpr DISPID HorizontalAlignment = 0x88;
constexpr DISPID VerticalAlignment = 0x89;
constexpr DISPID WrapText = 0x114;
constexpr DISPID Interior = 0x81;
constexpr DISPID Row = 0x101;
constexpr DISPID Column = 0xF0;
constexpr DISPID Offset = 0xFE;
constexpr DISPID Resize = 0x100;
constexpr DISPID Formula = 0x105;
constexpr DISPID NumberFormat = 0xC1;
constexpr DISPID Value2 = 0x56C;
constexpr DISPID MergeArea = 0x569;
constexpr DISPID Worksheet = 0x15C;
constexpr DISPID Font = 0x92;
constexpr DISPID IndentLevel = 0xC9;
constexpr DISPID ShrinkToFit = 0xD1;
constexpr DISPID Orientation = 0x86;
constexpr DISPID FormatConditions = 0x570;

// Font
constexpr DISPID FontBold = 0x60;
constexpr DISPID FontItalic = 0x65;
constexpr DISPID FontSize = 0x68;
constexpr DISPID FontName = 0x6E;

// Interior
constexpr DISPID Color = 0x63;
constexpr DISPID ColorIndex = 0x61;
constexpr DISPID Pattern = 0x5F;
constexpr DISPID PatternColor = 0x64;
constexpr DISPID ThemeColor = 0x93D;
constexpr DISPID TintAndShade = 0x93E;

// Office's command bars
constexpr DISPID DefaultMember = 0x0;
constexpr DISPID CommandBarsActiveMenuBar = 0x60030001;
constexpr DISPID CommandBarsAdd = 0x60030002;
constexpr DISPID CommandBarControls = 0x60040003;
constexpr DISPID CommandBarDelete = 0x60040004;
constexpr DISPID ControlsAdd = 0x60030000;
constexpr DISPID ControlsCount = 0x60030001;
constexpr DISPID ControlBeginGroup = 0x60040000;
constexpr DISPID ControlCaption = 0x60040003;
constexpr DISPID ControlDelete = 0x60040007;
constexpr DISPID PopupControls = 0x60050001;
constexpr DISPID CommandBarVisible = 0x6004001E;
constexpr DISPID ControlEnabled = 0x6004000A;
constexpr DISPID ControlTag = 0x60040023;
constexpr DISPID ControlTooltipText = 0x60040025;
constexpr DISPID ControlVisible = 0x60040029;
constexpr DISPID ButtonCopyFace = 0x60050002;
constexpr DISPID ButtonFaceId = 0x60050003;
constexpr DISPID ButtonPasteFace = 0x60050005;
constexpr DISPID ButtonStyle = 0x6005000A;
constexpr DISPID ButtonPicture = 0x6005000E;
constexpr DISPID ButtonMask = 0x60050010;

// Office's IRibbonUI.
constexpr DISPID RibbonInvalidateControl = 2;

}  // namespace sheet::dispid
