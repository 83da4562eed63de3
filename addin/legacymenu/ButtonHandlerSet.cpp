#include "addin/legacymenu/ButtonHandlerSet.h"

#include <new>

#include "framework/Trace.h"

bool CButtonHandlerSet::CreateAll(CommandHost& host) noexcept {
    ReleaseAll();
    try {
        m_handlers.reserve(commands::Table().size());
    } catch (...) {
        framework::TraceSwallowed(L"making the legacy menu's Click handlers");
        return false;
    }
    for (const commands::Command& command : commands::Table()) {
        m_handlers.push_back(framework::ComPtr<CEventHandler>::Adopt(new (std::nothrow) CEventHandler(command, host)));
        if (!m_handlers.back()) return false;
    }
    return true;
}

CEventHandler* CButtonHandlerSet::For(const commands::Command& command) const noexcept {
    const size_t index = static_cast<size_t>(&command - commands::Table().data());
    return index < m_handlers.size() ? m_handlers[index].Get() : nullptr;
}

void CButtonHandlerSet::ReleaseAll() noexcept {
    for (framework::ComPtr<CEventHandler>& handler : m_handlers) {
        if (!handler) continue;
        handler->ForgetHost();
        handler->DisconnectAll();
    }
    m_handlers.clear();
}
