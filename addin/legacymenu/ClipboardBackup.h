// The user's clipboard, saved before Excel 2000's button faces pass through it and put back afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Scoped.h"

class CClipboardBackup {
public:
    CClipboardBackup() noexcept = default;
    // Puts back what is still saved: a build that stops halfway leaves the user's clipboard as it was.
    ~CClipboardBackup();
    CClipboardBackup(const CClipboardBackup&) = delete;
    CClipboardBackup& operator=(const CClipboardBackup&) = delete;

    // Copies every format that can be copied; the formats Windows makes up again from the others
    // (bitmap handles, metafile pictures, palettes) and handles only their owner understands are left out.
    // False when already saved or the clipboard cannot be opened.
    bool Save();
    // Empties the clipboard and puts the copies back, in their order. False when nothing is saved or the
    // clipboard cannot be opened (the copies then wait for another try).
    bool Restore() noexcept;
    bool IsSaved() const noexcept { return m_saved; }

private:
    // One saved format: its number, its registered name (empty for a standard format) and the copy.
    class ClipboardData {
    public:
        // Empty when the format's data cannot be copied.
        static ClipboardData CopyOf(UINT format, HANDLE data);

        explicit operator bool() const noexcept { return m_global || m_metafile; }
        // Hands the copy to the open clipboard under the format its name registers, else its number.
        void PutBack() noexcept;

    private:
        ClipboardData(UINT format, std::wstring name) : m_format(format), m_name(std::move(name)) {}

        UINT m_format;
        std::wstring m_name;
        // The copy: an enhanced metafile, or a global block for any other format.
        framework::UniqueHandle<HGLOBAL, &GlobalFree> m_global;
        framework::UniqueHandle<HENHMETAFILE, &DeleteEnhMetaFile> m_metafile;
    };

    std::vector<ClipboardData> m_entries;
    bool m_saved = false;
};
