// The six Click handlers of the legacy menu, one of each kind, owned by the add-in object from the
// menu's build until its disconnection.
#pragma once

#include <array>
#include <cstddef>

#include "addin/EventHandler.h"
#include "framework/ComPtr.h"

class CButtonHandlerSet {
public:
    enum class Kind : size_t { RemoveDuplicates, RemoveCharacters, ChangeCase, MergeCellText, Website, Help };

    CButtonHandlerSet() noexcept = default;
    CButtonHandlerSet(const CButtonHandlerSet&) = delete;
    CButtonHandlerSet& operator=(const CButtonHandlerSet&) = delete;
    ~CButtonHandlerSet() { ReleaseAll(); }

    // Creates the six in order, each knowing the add-in; false when memory runs out (those made stay).
    bool CreateAll(CMyAddin& addin) noexcept;
    // Null while absent.
    CEventHandler* operator[](Kind kind) const noexcept { return m_handlers[static_cast<size_t>(kind)].Get(); }
    // Each handler unadvises every button, forgets the add-in and goes; a click already running keeps
    // its own handler alive.
    void ReleaseAll() noexcept;

private:
    std::array<framework::ComPtr<CEventHandler>, 6> m_handlers;
};
