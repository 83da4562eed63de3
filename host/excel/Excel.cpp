#include "host/excel/Excel.h"

#include "host/excel/Address.h"
#include "host/excel/ApplicationObject.h"
#include "host/excel/CommandBarControlObject.h"
#include "host/excel/ExcelError.h"

#include <stdexcept>

namespace host {

namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

bool SameName(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), int(a.size()), b.c_str(), int(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

Excel::Excel() { m_sheets.push_back(std::make_shared<Sheet>(L"Sheet1", m_workbookName, m_limits)); }

std::shared_ptr<Excel> Excel::Create() { return std::shared_ptr<Excel>(new Excel()); }

framework::ComPtr<IDispatch> Excel::Application() { return ApplicationObject::Create(shared_from_this()); }

Sheet& Excel::AddSheet(const std::wstring& name) {
    if (FindSheet(name)) throw std::invalid_argument("a sheet of that name exists: " + Narrow(name));
    m_sheets.push_back(std::make_shared<Sheet>(name, m_workbookName, m_limits));
    return *m_sheets.back();
}

void Excel::SetVersion(std::wstring version) {
    const VersionLimits limits = VersionLimits::Of(version);
    for (auto& sheet : m_sheets) sheet->SetLimits(limits);
    m_limits = limits;
    m_version = std::move(version);
}

void Excel::ActivateSheet(const std::wstring& name) {
    for (size_t i = 0; i < m_sheets.size(); ++i) {
        if (SameName(m_sheets[i]->Name(), name)) {
            m_active = i;
            m_chartSelected = false;
            return;
        }
    }
    throw std::invalid_argument("no sheet " + Narrow(name));
}

void Excel::DeleteSheet(const std::wstring& name) {
    for (size_t i = 0; i < m_sheets.size(); ++i) {
        if (!SameName(m_sheets[i]->Name(), name)) continue;
        if (m_sheets.size() == 1) throw std::invalid_argument("a workbook keeps at least one sheet");
        m_sheets[i]->MarkDeleted();
        m_sheets.erase(m_sheets.begin() + static_cast<std::ptrdiff_t>(i));
        if (m_active > i || m_active == m_sheets.size()) m_active = m_active > 0 ? m_active - 1 : 0;
        m_chartSelected = false;
        return;
    }
    throw std::invalid_argument("no sheet " + Narrow(name));
}

void Excel::CloseWorkbook() {
    for (auto& sheet : m_sheets) sheet->MarkDeleted();
    m_workbookName = L"Book" + std::to_wstring(++m_workbooksOpened);
    m_sheets = {std::make_shared<Sheet>(L"Sheet1", m_workbookName)};
    m_active = 0;
    m_chartSelected = false;
}

Sheet* Excel::FindSheet(const std::wstring& name) {
    for (auto& sheet : m_sheets) {
        if (SameName(sheet->Name(), name)) return sheet.get();
    }
    return nullptr;
}

void Excel::SetWorkbookName(const std::wstring& name) {
    m_workbookName = name;
    for (auto& sheet : m_sheets) sheet->SetWorkbookName(name);
}

void Excel::Select(const std::wstring& address) {
    auto reference = ParseReference(address, ActiveSheet().Size());
    if (!reference) throw std::invalid_argument("not a reference: " + Narrow(address));
    if (!reference->sheetName.empty() && !SameName(reference->sheetName, ActiveSheet().Name())) {
        throw std::invalid_argument("only cells of the active sheet can be selected");
    }
    ActiveSheet().SetSelection(reference->areas);
    m_chartSelected = false;
}

void Excel::SelectChart(const std::wstring& chartName) {
    m_chartSelected = true;
    m_chartName = chartName;
}

Range Excel::Selection() const { return Range(ActiveSheetPtr(), ActiveSheetPtr()->Selection()); }

std::wstring Excel::SelectionAddress() const { return Selection().Address({}); }

void Excel::SelectRange(const Range& range) {
    if (range.SheetPtr() != ActiveSheetPtr()) throw ExcelError(message::MethodFailed(L"Select", L"Range"));
    range.GetSheet().SetSelection(range.Areas());
    m_chartSelected = false;
}

void Excel::ActivateRange(const Range& range) {
    if (range.SheetPtr() != ActiveSheetPtr()) throw ExcelError(message::MethodFailed(L"Activate", L"Range"));
    const Area& first = range.Areas().front();
    Sheet& sheet = range.GetSheet();
    for (const Area& area : sheet.Selection())
        if (area.Contains(first.top, first.left)) return sheet.SetActiveCell(first.top, first.left);
    SelectRange(range);
}

void Excel::RecordStatusBarPut(std::optional<std::wstring> text) {
    m_statusBarPuts.push_back(text);
    m_statusBar = std::move(text);
}

void Excel::QueueInputBoxRange(const std::wstring& address) {
    auto reference = ParseReference(address, m_limits.sheet);
    if (!reference) throw std::invalid_argument("not a reference: " + Narrow(address));
    if (!reference->sheetName.empty() && !FindSheet(reference->sheetName)) {
        throw std::invalid_argument("no sheet " + Narrow(reference->sheetName));
    }
    m_inputBoxAnswers.push_back({InputBoxAnswer::Kind::Range, address});
}

void Excel::QueueInputBoxText(const std::wstring& text) {
    m_inputBoxAnswers.push_back({InputBoxAnswer::Kind::Text, text});
}

void Excel::QueueInputBoxCancel() { m_inputBoxAnswers.push_back({InputBoxAnswer::Kind::Cancel, {}}); }

Excel::InputBoxAnswer Excel::TakeInputBoxAnswer() {
    if (m_inputBoxAnswers.empty()) return {};
    InputBoxAnswer answer = m_inputBoxAnswers.front();
    m_inputBoxAnswers.pop_front();
    return answer;
}

size_t Excel::Click(const std::shared_ptr<CommandBarControl>& button) {
    if (!button || button->IsPopup() || button->Deleted() || !button->Enabled()) return 0;
    std::shared_ptr<CommandBarControls> parent = m_commandBars.ListHolding(*button);
    if (!parent) return 0;
    const std::vector<framework::ComPtr<IDispatch>> sinks = button->Events().Sinks();
    for (const auto& sink : sinks) {
        framework::ComPtr<IDispatch> control = CommandBarControlObject::Create(shared_from_this(), parent, button);
        VARIANT_BOOL cancelDefault = VARIANT_FALSE;
        VARIANT args[2];
        args[0].vt = VT_BOOL | VT_BYREF;  // CancelDefault, last parameter first
        args[0].pboolVal = &cancelDefault;
        args[1].vt = VT_DISPATCH;
        args[1].pdispVal = control.Get();
        DISPPARAMS params{args, nullptr, 2, 0};
        sink->Invoke(kClickDispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
    return sinks.size();
}

void Excel::FailCall(const std::wstring& name, size_t occurrence) {
    if (occurrence == 0) throw std::invalid_argument("calls are counted from 1");
    m_failures.emplace_back(name, occurrence);
}

bool Excel::TakeInjectedFailure(const std::wstring& name) {
    bool fail = false;
    for (auto it = m_failures.begin(); it != m_failures.end();) {
        if (it->first == name && --it->second == 0) {
            fail = true;
            it = m_failures.erase(it);
        } else {
            ++it;
        }
    }
    return fail;
}

Range Excel::ResolveReference(const std::wstring& text) const {
    auto reference = ParseReference(text, m_limits.sheet);
    if (!reference) throw ExcelError(message::MethodFailed(L"Range", L"_Global"));
    std::shared_ptr<Sheet> sheet = ActiveSheetPtr();
    if (!reference->sheetName.empty()) {
        sheet = nullptr;
        for (const auto& candidate : m_sheets) {
            if (SameName(candidate->Name(), reference->sheetName)) sheet = candidate;
        }
        if (!sheet) throw ExcelError(message::MethodFailed(L"Range", L"_Global"));
    }
    return Range(sheet, reference->areas);
}

LCID Excel::ResolveLocale(LCID locale) const {
    const bool meansUser = locale == LOCALE_USER_DEFAULT || locale == LOCALE_SYSTEM_DEFAULT ||
                           PRIMARYLANGID(LANGIDFROMLCID(locale)) == LANG_NEUTRAL;
    return meansUser ? m_userLocale : locale;
}

}  // namespace host
