// The Click handlers of the legacy menu, one for each command of the table, owned by the add-in object from
// the menu's build until its disconnection.
#pragma once

#include <vector>

#include "addin/commands/CommandRunner.h"
#include "addin/legacymenu/EventHandler.h"
#include "framework/ComPtr.h"

class CButtonHandlerSet {
public:
    CButtonHandlerSet() noexcept = default;
    CButtonHandlerSet(const CButtonHandlerSet&) = delete;
    CButtonHandlerSet& operator=(const CButtonHandlerSet&) = delete;
    ~CButtonHandlerSet() { ReleaseAll(); }

    // Creates one for each command in the table's order, each knowing the runner; false when memory runs out
    // (those made stay).
    bool CreateAll(CommandRunner& runner) noexcept;
    // The handler of a command of the table; null while absent.
    CEventHandler* For(const commands::Command& command) const noexcept;
    // Each handler unadvises every button, forgets the runner and goes; a click already running keeps its own
    // handler alive.
    void ReleaseAll() noexcept;

private:
    std::vector<framework::ComPtr<CEventHandler>> m_handlers;  // in the table's order
};
