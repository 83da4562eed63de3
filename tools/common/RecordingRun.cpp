#include "tools/common/RecordingRun.h"

#include <cwchar>

#include "sheet/AutomationError.h"

namespace blocks {

namespace {

thread_local RunRecord* t_current = nullptr;

// Excel 2007 is version 12; a version that cannot be read is taken as a newer one, since a theme colour Excel
// cannot tell only reads as none.
bool HasThemes(const sheet::Application& app) {
    try {
        const std::wstring version = app.Version();
        return version.empty() || std::wcstol(version.c_str(), nullptr, 10) >= 12;
    } catch (const sheet::CAutomationError&) {
        return true;
    }
}

}  // namespace

RecordingRun::RecordingRun(RunRecord& record, const sheet::Application& app) : m_outer(t_current) {
    record.SetThemedFills(HasThemes(app));
    t_current = &record;
}

RecordingRun::~RecordingRun() { t_current = m_outer; }

RunRecord* CurrentRecord() noexcept { return t_current && !t_current->Overflowed() ? t_current : nullptr; }

void LearnOwner(RunRecord& record, const sheet::Range& range) {
    if (record.HasOwner()) return;
    sheet::Worksheet owner = range.Worksheet();
    std::wstring workbook = owner.Parent().Name();
    std::wstring name = owner.Name();
    record.SetOwner(std::move(owner), std::move(workbook), std::move(name));
}

}  // namespace blocks
