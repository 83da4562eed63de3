// Excel's Application object, the root of every automation call, and the objects reached only from it.
#pragma once

#include <optional>
#include <string>

#include "sheet/CommandBars.h"
#include "sheet/Range.h"

namespace sheet {

class Workbook : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;
    std::wstring Name() const;
};

class Worksheet : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;
    std::wstring Name() const;
    // The workbook that holds the sheet.
    Workbook Parent() const;
    void Activate() const;
    sheet::Range UsedRange() const;
    sheet::Range Cells() const;
    // Worksheet.Range with one A1 reference text ("A5:J7,A9:J9"); Excel takes at most 255 characters.
    sheet::Range Range(const std::wstring& reference) const;
};

class Windows : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;
    long Count() const;
};

// Excel's calculation modes.
constexpr long xlCalculationAutomatic = -4105;
constexpr long xlCalculationManual = -4135;

class Application : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;

    Worksheet ActiveSheet() const;
    // The selected object, taken as a Range; its members fail when a chart or a drawing is selected.
    Range Selection() const;
    // The active cell of the active window's selection.
    Range ActiveCell() const;
    Range Union(const Range& first, const Range& second) const;
    // An empty Range when the two do not overlap.
    Range Intersect(const Range& first, const Range& second) const;
    Windows Windows() const;
    CommandBars CommandBars() const;

    long Calculation() const;
    void SetCalculation(long mode) const;
    bool ScreenUpdating() const;
    void SetScreenUpdating(bool on) const;
    bool EnableEvents() const;
    void SetEnableEvents(bool on) const;

    // Application.StatusBar: no text while Excel shows its own (False), else the text a macro put there.
    std::optional<std::wstring> StatusBar() const;
    // Puts a text there, or with no text gives the status bar back to Excel (False).
    void SetStatusBar(const std::optional<std::wstring>& text) const;

    std::wstring Version() const;
    // Application.Hwnd, Excel's main window; none where the version has no such member (Excel 2000), which is
    // why it is found by name.
    HWND MainWindow() const;
    void Quit() const;

    // Application.InputBox with Left, Top, HelpFile and HelpContextID left out; Type travels as a 16-bit integer.
    Variant InputBox(const std::wstring& prompt, const std::wstring& title, const std::wstring& defaultText,
                     short type) const;
};

}  // namespace sheet
