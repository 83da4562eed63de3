// Excel as other programs find it: the ProgID "Excel.Application" with Excel's CLSID in the registry, a
// class object that starts a new Excel, and (when a test says so) a running Excel in the running object
// table, where GetActiveObject looks. All of it is taken back when the server object goes.
//
//   host::ExcelServer server;
//   server.SetStartup([](host::Excel& excel) { excel.SetVersion(L"11.0"); });
//   server.SetRunning(excel);                  // or leave none running
//   ... the client finds Excel by ProgID ...
//   server.Started();                          // the instances the client had started
#pragma once

#include "host/excel/Excel.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

namespace host {

// {00024500-0000-0000-C000-000000000046}
inline constexpr CLSID CLSID_ExcelApplication = {
    0x00024500, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

class ExcelServer {
public:
    ExcelServer();
    ~ExcelServer();
    ExcelServer(const ExcelServer&) = delete;
    ExcelServer& operator=(const ExcelServer&) = delete;

    // False when the ProgID or the class object could not be registered.
    bool Registered() const { return m_keyWritten && m_classCookie != 0; }

    // An Excel the class object starts has no window (an automation start opens no workbook) and is then
    // handed to `prepare`, to set its version or the command bars kept from its last run.
    void SetStartup(std::function<void(Excel&)> prepare);
    // Makes `excel` the running instance; null leaves none running.
    void SetRunning(std::shared_ptr<Excel> excel);
    // The instances the class object started, in order.
    const std::vector<std::shared_ptr<Excel>>& Started() const;

    struct State;

private:
    std::shared_ptr<State> m_state;
    bool m_keyWritten = false;
    bool m_keyWasThere = false;
    DWORD m_classCookie = 0;
    DWORD m_runningCookie = 0;
};

}  // namespace host
