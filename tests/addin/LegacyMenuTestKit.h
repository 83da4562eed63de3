// What the legacy menu's tests share: an add-in loaded by a stand-in Excel at its start, the command
// bars described line by line, and a stand-in family menu as an earlier run or another add-in left it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "addin/OfficeInterfaces.h"
#include "host/excel/Excel.h"

namespace cwtest {

// Excel loads the add-in at start-up and completes its start; Stop (or the end) disconnects it.
class StartedAddin {
public:
    explicit StartedAddin(host::Excel& excel);
    ~StartedAddin() { Stop(ext_dm_HostShutdown); }
    StartedAddin(const StartedAddin&) = delete;
    StartedAddin& operator=(const StartedAddin&) = delete;

    HRESULT started = E_FAIL;  // OnStartupComplete's result
    void Stop(ext_DisconnectMode mode);

private:
    IDTExtensibility2* m_addin = nullptr;
};

// Every bar and control, one line each, indented by depth: kind, caption and whatever is set beyond
// Office's defaults ("button "Change Case" style 3 face changecase sinks 1"). A face is named by the
// face file whose picture and mask it shows.
std::vector<std::wstring> DescribeCommandBars(const host::CommandBars& bars, bool withSinks = true);

// The menu as the add-in builds it on a first start, for Excel 2000 to 2003.
std::vector<std::wstring> FirstStartMenu();

// The menu and toolbar as an earlier run left them, with `others` submenus of other family add-ins in the
// family popup before this add-in's.
void LeaveLegacyMenu(host::Excel& excel, int others);

// The clipboard as a user leaves it: one format's data (none: empty), in a movable block for bytes.
void PutOnClipboard(UINT format, HANDLE data);
HGLOBAL GlobalBlockOf(const void* bytes, size_t size);
// What the clipboard holds in one format, as bytes; empty when it holds nothing there.
std::string ClipboardBytes(UINT format);

// The family popup of Excel's menu bar; null when there is none.
std::shared_ptr<host::CommandBarControl> FamilyPopup(host::Excel& excel);
// A control by its captions from the menu bar down ("Zenda Utilities", "Cellwright", "Help"), or a toolbar
// button of "Zenda Cellwright" by its tag when the first name is that toolbar's.
std::shared_ptr<host::CommandBarControl> FindControl(host::Excel& excel, const std::vector<std::wstring>& path);

}  // namespace cwtest
