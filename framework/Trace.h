// A trace for support: off unless the value "Trace" (a DWORD, 1) is set under the add-in's own key,
// HKEY_CURRENT_USER\Software\Zenda Utilities\Cellwright (or the same key of HKEY_LOCAL_MACHINE); then each line
// goes, with its time and process, to "trace.log" in the user's local application data, folder
// "Zenda Utilities\Cellwright", which is rolled to "trace.old.log" at 1 MB. Off, a call costs one load of a
// flag: the setting is read once a process.
#pragma once

#include <string>

namespace framework {

bool TraceOn() noexcept;
// Writes the line when the trace is on; never fails.
void Trace(const std::wstring& line) noexcept;
// Inside a catch (...) that goes on: writes where it was and what was caught (an error's description, or that
// it was not one of ours).
void TraceSwallowed(const wchar_t* where) noexcept;

// Reads the setting again (the trace's own tests turn it on and off), and gives the log file's path.
void ReadTraceSetting() noexcept;
std::wstring TraceFilePath();

}  // namespace framework
