#include "host/workbench/PageAlbum.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <memory>

#include "host/workbench/WindowPicture.h"

namespace workbench {

namespace {

// Wine draws a page and hands it to the X server within a few message loops; this is ample.
constexpr DWORD kSettleMilliseconds = 400;

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// A wizard that Wine placed partly off the screen is moved onto it, and made the active window, so that the
// picture shows it whole and as the user works with it.
void BringIntoView(HWND sheet) {
    RECT rect;
    if (GetWindowRect(sheet, &rect) && (rect.left < 0 || rect.top < 0))
        SetWindowPos(sheet, nullptr, std::max(0L, rect.left), std::max(0L, rect.top), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetForegroundWindow(sheet);
    // Without a window manager the first window may not get the focus; its frame is drawn active all the same.
    SendMessageW(sheet, WM_NCACTIVATE, TRUE, 0);
}

}  // namespace

PageAlbum::PageAlbum(std::wstring folder, bool numbered) : m_folder(std::move(folder)), m_numbered(numbered) {
    if (Enabled()) CreateDirectoryW(m_folder.c_str(), nullptr);
}

std::wstring PageAlbum::PathOf(const std::wstring& name) {
    std::wstring file = name + L".png";
    if (m_numbered) {
        wchar_t number[8];
        std::swprintf(number, 8, L"%02d-", ++m_added);
        file = number + file;
    }
    return m_folder + L"\\" + file;
}

void PageAlbum::SaveNow(HWND window, const std::wstring& name) {
    if (Enabled() && SaveThreadWindowsPicture(window, PathOf(name))) ++m_saved;
}

std::function<bool(HWND box)> PageAlbum::MessageBoxPicture(const std::wstring& name) {
    auto since = std::make_shared<DWORD>(0);
    auto taken = std::make_shared<bool>(!Enabled());
    return [this, name, since, taken](HWND box) {
        if (*taken) return true;
        if (*since == 0) {
            *since = GetTickCount();
            BringIntoView(box);
        }
        if (GetTickCount() - *since < kSettleMilliseconds) return false;
        SaveNow(box, name);
        *taken = true;
        return true;
    };
}

void PageAlbum::Add(host::WizardDriver& driver, const std::wstring& name,
                    std::function<void(const host::WizardView&)> prepare) {
    if (!Enabled()) return;
    const std::wstring path = PathOf(name);
    const std::string file = Narrow(path.substr(path.rfind(L'\\') + 1));
    auto since = std::make_shared<DWORD>(0);
    driver
        .WaitUntil("the page of " + file + " is drawn",
                   [since, prepare](const host::WizardView& view) {
                       if (*since == 0) {
                           *since = GetTickCount();
                           BringIntoView(view.sheet);
                           if (prepare) prepare(view);
                       }
                       return GetTickCount() - *since >= kSettleMilliseconds;
                   })
        .Do("picture " + file, [this, path](const host::WizardView& view) {
            if (SaveThreadWindowsPicture(view.sheet, path)) ++m_saved;
        });
}

}  // namespace workbench
