// The processes of one program that come up after a moment: the Excel that unregistration had started and
// could not use, to be ended by it. COM starts such a server itself, so its process is known only this way.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class NewProcessWatch {
public:
    // Notes the processes of that program file ("EXCEL.EXE") running now; an empty name watches nothing.
    explicit NewProcessWatch(std::wstring fileName);

    // Ends every process of the program that was not running when the watch began, and gives each a moment
    // to be gone.
    void EndNewProcesses() const noexcept;

private:
    std::vector<DWORD> ProcessesNow() const;

    std::wstring m_fileName;
    std::vector<DWORD> m_before;
};
