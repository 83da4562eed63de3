// The user's clipboard, saved before Excel 2000's button faces pass through it and put back afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

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
        // Null data when the format's data cannot be copied.
        static ClipboardData CopyOf(UINT format, HANDLE data);
        ClipboardData(ClipboardData&& other) noexcept;
        ClipboardData& operator=(ClipboardData&& other) noexcept;
        ~ClipboardData();

        explicit operator bool() const noexcept { return m_data != nullptr; }
        // Hands the copy to the open clipboard under the format its name registers, else its number.
        void PutBack() noexcept;

    private:
        ClipboardData(UINT format, std::wstring name, HANDLE data) noexcept;
        bool IsEnhancedMetafile() const noexcept;

        UINT m_format;
        std::wstring m_name;
        HANDLE m_data;
    };

    std::vector<ClipboardData> m_entries;
    bool m_saved = false;
};
