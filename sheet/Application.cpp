#include "sheet/Application.h"

#include "sheet/Dispids.h"

namespace sheet {

std::wstring Workbook::Name() const { return GetString(dispid::Name, L"Workbook.Name"); }

std::wstring Worksheet::Name() const { return GetString(dispid::Name, L"Worksheet.Name"); }
Workbook Worksheet::Parent() const { return GetObject<Workbook>(dispid::Parent, L"Worksheet.Parent"); }
void Worksheet::Activate() const { Invoke(dispid::Activate, CallKind::Method, L"Worksheet.Activate"); }
Range Worksheet::UsedRange() const { return GetObject<sheet::Range>(dispid::UsedRange, L"Worksheet.UsedRange"); }
Range Worksheet::Cells() const { return GetObject<sheet::Range>(dispid::Cells, L"Worksheet.Cells"); }
Range Worksheet::Range(const std::wstring& reference) const {
    return ObjectOf<sheet::Range>(
        Invoke(dispid::Range, CallKind::Get, L"Worksheet.Range", {Variant::String(reference), Variant::Missing()}));
}

long Windows::Count() const { return GetLong(dispid::Count, L"Windows.Count"); }

Worksheet Application::ActiveSheet() const {
    return GetObject<Worksheet>(dispid::ActiveSheet, L"Application.ActiveSheet");
}
Range Application::Selection() const { return GetObject<Range>(dispid::Selection, L"Application.Selection"); }
Range Application::ActiveCell() const { return GetObject<Range>(dispid::ActiveCell, L"Application.ActiveCell"); }

Range Application::Union(const Range& first, const Range& second) const {
    return ObjectOf<Range>(Invoke(dispid::Union, CallKind::Method, L"Application.Union",
                                  {Variant::Object(first.get()), Variant::Object(second.get())}));
}

Range Application::Intersect(const Range& first, const Range& second) const {
    return ObjectOf<Range>(Invoke(dispid::Intersect, CallKind::Method, L"Application.Intersect",
                                  {Variant::Object(first.get()), Variant::Object(second.get())}));
}

CommandBars Application::CommandBars() const {
    return GetObject<sheet::CommandBars>(dispid::CommandBars, L"Application.CommandBars");
}

Windows Application::Windows() const { return GetObject<sheet::Windows>(dispid::Windows, L"Application.Windows"); }

long Application::Calculation() const { return GetLong(dispid::Calculation, L"Application.Calculation"); }
void Application::SetCalculation(long mode) const {
    Put(dispid::Calculation, L"Application.Calculation", Variant::Long(mode));
}
bool Application::ScreenUpdating() const { return GetBool(dispid::ScreenUpdating, L"Application.ScreenUpdating"); }
void Application::SetScreenUpdating(bool on) const {
    Put(dispid::ScreenUpdating, L"Application.ScreenUpdating", Variant::Bool(on));
}
bool Application::EnableEvents() const { return GetBool(dispid::EnableEvents, L"Application.EnableEvents"); }
void Application::SetEnableEvents(bool on) const {
    Put(dispid::EnableEvents, L"Application.EnableEvents", Variant::Bool(on));
}

std::optional<std::wstring> Application::StatusBar() const {
    Variant shown = Invoke(dispid::StatusBar, CallKind::Get, L"Application.StatusBar");
    if (!shown.IsString()) return std::nullopt;
    return std::wstring(shown.StringView());
}

void Application::SetStatusBar(const std::optional<std::wstring>& text) const {
    Put(dispid::StatusBar, L"Application.StatusBar", text ? Variant::String(*text) : Variant::Bool(false));
}

std::wstring Application::Version() const { return GetString(dispid::Version, L"Application.Version"); }
HWND Application::MainWindow() const {
    if (IsEmpty()) return nullptr;
    OLECHAR name[] = L"Hwnd";
    LPOLESTR names[] = {name};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(get()->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return nullptr;
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(GetLong(id, L"Application.Hwnd")));
}

void Application::Quit() const { Invoke(dispid::Quit, CallKind::Method, L"Application.Quit"); }

Variant Application::InputBox(const std::wstring& prompt, const std::wstring& title, const std::wstring& defaultText,
                              short type) const {
    return Invoke(dispid::InputBox, CallKind::Method, L"Application.InputBox",
                  {Variant::String(prompt), Variant::String(title), Variant::String(defaultText), Variant::Missing(),
                   Variant::Missing(), Variant::Missing(), Variant::Missing(), Variant::Short(type)});
}

}  // namespace sheet
