// The pictures of the wizard pages a run passes through, saved into one folder.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "host/driver/WizardDriver.h"

namespace workbench {

class PageAlbum {
public:
    // No folder: no pictures.
    explicit PageAlbum(std::wstring folder, bool numbered);

    // Adds to a script: bring the wizard into view and run `prepare` on the page (to drop a list down, say),
    // wait until the page is drawn, then save what the screen shows of the wizard and of any list it has
    // dropped down as "<name>.png", numbered in the order taken when asked to be.
    void Add(host::WizardDriver& driver, const std::wstring& name,
             std::function<void(const host::WizardView&)> prepare = nullptr);
    // For a driver's LookAtMessageBoxes: brings the first message box into view and, once it is drawn, saves
    // its picture as "<name>.png"; true when the box may be closed.
    std::function<bool(HWND box)> MessageBoxPicture(const std::wstring& name);
    // Saves the picture of a window drawn by the workbench itself, at once.
    void SaveNow(HWND window, const std::wstring& name);

    bool Enabled() const { return !m_folder.empty(); }
    int Saved() const { return m_saved; }

private:
    std::wstring PathOf(const std::wstring& name);

    std::wstring m_folder;
    bool m_numbered;
    int m_added = 0;
    int m_saved = 0;
};

}  // namespace workbench
