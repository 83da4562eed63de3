// Thin owners for the legacy menu's clipboard work: the clipboard held open, a global memory block that
// is freed unless the clipboard took it (one of the framework's unique handles), and a block locked for
// reading or writing.
#pragma once

#include <windows.h>

#include <cstring>

#include "framework/Scoped.h"

// Opens the clipboard with no owner window for its lifetime.
class OpenClipboardScope {
public:
    OpenClipboardScope() noexcept : m_open(OpenClipboard(nullptr) != FALSE) {}
    ~OpenClipboardScope() {
        if (m_open) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;

    bool IsOpen() const noexcept { return m_open; }

private:
    bool m_open;
};

// A global memory block, freed unless the clipboard took it.
using GlobalBlock = framework::UniqueHandle<HGLOBAL, &GlobalFree>;

// A movable, shareable block of `size` zero bytes; empty when out of memory.
inline GlobalBlock AllocateGlobal(SIZE_T size) noexcept {
    return GlobalBlock(GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, size));
}

// Puts the block on the open clipboard, which owns it from then on; a refused block stays with its owner.
inline bool SetAsClipboardData(GlobalBlock& block, UINT format) noexcept {
    if (!block || !SetClipboardData(format, block.Get())) return false;
    block.Release();
    return true;
}

// Locks a global block for its lifetime; Data() is null when the block cannot be locked.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL block) noexcept : m_block(block), m_data(block ? GlobalLock(block) : nullptr) {}
    ~GlobalLockScope() {
        if (m_data) GlobalUnlock(m_block);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;

    void* Data() const noexcept { return m_data; }
    SIZE_T Size() const noexcept { return m_data ? GlobalSize(m_block) : 0; }

private:
    HGLOBAL m_block;
    void* m_data;
};

// A new movable, shareable block with the bytes of `data` (a global block); empty when it cannot be read
// or copied.
inline GlobalBlock CopyOfGlobal(HANDLE data) noexcept {
    GlobalLockScope source(data);
    if (!source.Data()) return {};
    GlobalBlock copy = AllocateGlobal(source.Size());
    GlobalLockScope target(copy.Get());
    if (!target.Data()) return {};
    std::memcpy(target.Data(), source.Data(), source.Size());
    return copy;
}
