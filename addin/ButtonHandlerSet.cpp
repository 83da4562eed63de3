#include "addin/ButtonHandlerSet.h"

#include <iterator>
#include <new>

#include "addin/ButtonHandlers.h"

namespace {

template <class Handler>
framework::ComPtr<CEventHandler> MakeHandler(CMyAddin& addin) noexcept {
    auto handler = framework::ComPtr<CEventHandler>::Adopt(new (std::nothrow) Handler());
    if (handler) handler->m_pAddin = &addin;
    return handler;
}

}  // namespace

bool CButtonHandlerSet::CreateAll(CMyAddin& addin) noexcept {
    using Make = framework::ComPtr<CEventHandler> (*)(CMyAddin&) noexcept;
    static constexpr Make makers[] = {MakeHandler<CButtonClearDups>,  MakeHandler<CButtonRemChars>,
                                      MakeHandler<CButtonChangeCase>, MakeHandler<CButtonMergeCellText>,
                                      MakeHandler<CButtonAbout>,      MakeHandler<CButtonHelp>};
    static_assert(std::size(makers) == std::tuple_size_v<decltype(m_handlers)>);
    for (size_t i = 0; i < m_handlers.size(); ++i) {
        m_handlers[i] = makers[i](addin);
        if (!m_handlers[i]) return false;
    }
    return true;
}

void CButtonHandlerSet::ReleaseAll() noexcept {
    for (framework::ComPtr<CEventHandler>& handler : m_handlers) {
        if (!handler) continue;
        handler->m_pAddin = nullptr;
        handler->DisconnectAll();
        handler.Reset();
    }
}
