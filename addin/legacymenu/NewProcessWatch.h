// The one process unregistration may end: the Excel it started and could not use or quit. COM starts such a
// server itself, so its process is known from its main window (Application.Hwnd, where the version has it) or
// else only as the one new process of Excel's program, in this session, that COM's launcher started; whatever
// cannot be told apart this way may be the user's, another program's or another user's, and is never ended.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

class NewProcessWatch {
public:
    // Notes the processes of that program file ("EXCEL.EXE") running now; an empty name watches nothing.
    explicit NewProcessWatch(std::wstring fileName);

    // Ends `known` (the process of the started Excel's main window) when it is a new process of the program; with
    // none known, the one new process of the program
    // in this session whose parent is COM's launcher (or this process, which may launch it itself), when there
    // is exactly one. Ends nothing else, never this process. Gives it a moment to be gone.
    void EndStartedProcess(DWORD known) const noexcept;

private:
    std::vector<PROCESSENTRY32W> NewProcesses() const;

    std::wstring m_fileName;
    std::vector<DWORD> m_before;
};
