#include "host/excel/ButtonEvents.h"

#include <algorithm>

namespace host {

DWORD ButtonEvents::Advise(framework::ComPtr<IDispatch> sink) {
    const DWORD cookie = m_nextCookie++;
    m_sinks.emplace_back(cookie, std::move(sink));
    return cookie;
}

bool ButtonEvents::Unadvise(DWORD cookie) {
    auto it = std::find_if(m_sinks.begin(), m_sinks.end(), [&](const auto& entry) { return entry.first == cookie; });
    if (it == m_sinks.end()) return false;
    // The sink may release the last reference to what called it: take it out first.
    framework::ComPtr<IDispatch> sink = std::move(it->second);
    m_sinks.erase(it);
    return true;
}

std::vector<framework::ComPtr<IDispatch>> ButtonEvents::Sinks() const {
    std::vector<framework::ComPtr<IDispatch>> sinks;
    sinks.reserve(m_sinks.size());
    for (const auto& entry : m_sinks) sinks.push_back(entry.second);
    return sinks;
}

}  // namespace host
