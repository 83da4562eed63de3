#include "addin/legacymenu/ClipboardBackup.h"

#include <utility>

#include "addin/legacymenu/ClipboardHandles.h"

namespace {

constexpr int kFormatNameLength = 100;
constexpr UINT kFirstRegisteredFormat = 0xC000;

bool IsEnhancedMetafileFormat(UINT format) { return format == CF_ENHMETAFILE || format == CF_DSPENHMETAFILE; }

// Formats whose data is no copyable block: GDI handles Windows makes up again from the formats kept,
// owner-drawn and private data, and GDI objects.
bool IsLeftOut(UINT format) {
    switch (format) {
    case CF_BITMAP:
    case CF_METAFILEPICT:
    case CF_PALETTE:
    case CF_OWNERDISPLAY:
    case CF_DSPBITMAP:
    case CF_DSPMETAFILEPICT: return true;
    default:
        return (format >= CF_PRIVATEFIRST && format <= CF_PRIVATELAST) ||
               (format >= CF_GDIOBJFIRST && format <= CF_GDIOBJLAST);
    }
}

std::wstring RegisteredName(UINT format) {
    if (format < kFirstRegisteredFormat) return {};
    wchar_t name[kFormatNameLength] = {};
    int length = GetClipboardFormatNameW(format, name, kFormatNameLength);
    return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace

CClipboardBackup::ClipboardData CClipboardBackup::ClipboardData::CopyOf(UINT format, HANDLE data) {
    ClipboardData copy(format, RegisteredName(format));
    if (IsEnhancedMetafileFormat(format))
        copy.m_metafile = decltype(m_metafile)(CopyEnhMetaFileW(static_cast<HENHMETAFILE>(data), nullptr));
    else
        copy.m_global = CopyOfGlobal(data);
    return copy;
}

void CClipboardBackup::ClipboardData::PutBack() noexcept {
    UINT format = m_format;
    if (!m_name.empty()) {
        if (UINT registered = RegisterClipboardFormatW(m_name.c_str())) format = registered;
    }
    // The clipboard owns what it takes.
    if (m_metafile) {
        if (SetClipboardData(format, m_metafile.Get())) m_metafile.Release();
    } else if (SetClipboardData(format, m_global.Get())) {
        m_global.Release();
    }
}

CClipboardBackup::~CClipboardBackup() {
    if (m_saved) Restore();
}

bool CClipboardBackup::Save() {
    if (m_saved) return false;
    OpenClipboardScope clipboard;
    if (!clipboard.IsOpen()) return false;
    std::vector<ClipboardData> entries;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
        if (IsLeftOut(format)) continue;
        HANDLE data = GetClipboardData(format);
        if (!data) continue;
        ClipboardData copy = ClipboardData::CopyOf(format, data);
        if (copy) entries.push_back(std::move(copy));
    }
    m_entries = std::move(entries);
    m_saved = true;
    return true;
}

bool CClipboardBackup::Restore() noexcept {
    if (!m_saved) return false;
    OpenClipboardScope clipboard;
    if (!clipboard.IsOpen()) return false;
    EmptyClipboard();
    for (ClipboardData& entry : m_entries) entry.PutBack();
    m_entries.clear();
    m_saved = false;
    return true;
}
