#include "host/excel/CommandBars.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

namespace host {

namespace {

bool SameName(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), int(a.size()), b.c_str(), int(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

CommandBars::CommandBars() {
    auto menu = std::make_shared<CommandBar>(L"Worksheet Menu Bar", mso::BarTop, true, false, true);
    for (const wchar_t* caption : {L"&File", L"&Edit", L"&Help"}) menu->Controls().Add(mso::ControlPopup, caption);
    m_bars.push_back(menu);
    m_activeMenuBar = menu;
}

std::shared_ptr<CommandBar> CommandBars::Item(size_t index) const {
    if (index < 1 || index > m_bars.size()) return nullptr;
    return m_bars[index - 1];
}

std::shared_ptr<CommandBar> CommandBars::Find(const std::wstring& name) const {
    for (const auto& bar : m_bars) {
        if (SameName(bar->Name(), name)) return bar;
    }
    return nullptr;
}

std::shared_ptr<CommandBar> CommandBars::ActiveMenuBar() const { return m_activeMenuBar; }

std::shared_ptr<CommandBar> CommandBars::Add(std::wstring name, long position, bool menuBar, bool temporary) {
    if (name.empty()) {
        for (int n = 1; name.empty() || Find(name); ++n) name = L"Custom " + std::to_wstring(n);
    } else if (Find(name)) {
        throw std::invalid_argument("a command bar of that name exists");
    }
    auto bar = std::make_shared<CommandBar>(std::move(name), position, menuBar, temporary, false);
    m_bars.push_back(bar);
    if (menuBar) m_activeMenuBar = bar;
    return bar;
}

bool CommandBars::Remove(const CommandBar& bar) {
    if (bar.BuiltIn()) return false;
    auto it = std::find_if(m_bars.begin(), m_bars.end(),
                           [&](const std::shared_ptr<CommandBar>& b) { return b.get() == &bar; });
    if (it == m_bars.end()) return false;
    (*it)->MarkDeleted();
    if (m_activeMenuBar == *it) m_activeMenuBar = m_bars.front();
    m_bars.erase(it);
    return true;
}

void CommandBars::Restart() {
    std::vector<std::shared_ptr<CommandBar>> kept;
    std::shared_ptr<CommandBar> active;
    for (const auto& bar : m_bars) {
        auto copy = bar->PersistentCopy();
        if (copy && bar == m_activeMenuBar) active = copy;
        if (copy) kept.push_back(std::move(copy));
        bar->Controls().DropSinks();
        bar->MarkDeleted();
    }
    m_bars = std::move(kept);
    m_activeMenuBar = active ? active : m_bars.front();
}

std::shared_ptr<CommandBarControls> CommandBars::ListHolding(const CommandBarControl& control) const {
    for (const auto& bar : m_bars) {
        if (auto list = bar->Controls().ListHolding(control, bar->ControlsPtr())) return list;
    }
    return nullptr;
}

std::vector<std::wstring> CommandBars::Names() const {
    std::vector<std::wstring> names;
    names.reserve(m_bars.size());
    for (const auto& bar : m_bars) names.push_back(bar->Name());
    return names;
}

}  // namespace host
