// Thin owners for the legacy menu's clipboard work: the clipboard held open, a global memory block that
// is freed unless the clipboard took it, and a block locked for reading or writing.
#pragma once

#include <windows.h>

#include <cstring>
#include <utility>

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

class GlobalBlock {
public:
    GlobalBlock() noexcept = default;
    // A movable, shareable block of `size` zero bytes; empty when out of memory.
    static GlobalBlock Allocate(SIZE_T size) noexcept {
        GlobalBlock block;
        block.m_block = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, size);
        return block;
    }
    GlobalBlock(GlobalBlock&& other) noexcept : m_block(std::exchange(other.m_block, nullptr)) {}
    GlobalBlock& operator=(GlobalBlock&& other) noexcept {
        std::swap(m_block, other.m_block);
        return *this;
    }
    ~GlobalBlock() {
        if (m_block) GlobalFree(m_block);
    }

    HGLOBAL Get() const noexcept { return m_block; }
    // Gives the block up to a new owner.
    HGLOBAL Release() noexcept { return std::exchange(m_block, nullptr); }
    explicit operator bool() const noexcept { return m_block != nullptr; }
    // Puts the block on the open clipboard, which owns it from then on; a refused block stays here.
    bool SetAsClipboardData(UINT format) noexcept {
        if (!m_block || !SetClipboardData(format, m_block)) return false;
        m_block = nullptr;
        return true;
    }

private:
    HGLOBAL m_block = nullptr;
};

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
    GlobalBlock copy = GlobalBlock::Allocate(source.Size());
    GlobalLockScope target(copy.Get());
    if (!target.Data()) return {};
    std::memcpy(target.Data(), source.Data(), source.Size());
    return copy;
}
