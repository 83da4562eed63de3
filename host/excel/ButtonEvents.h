// The sinks advised on one button's Office event interface _CommandBarButtonEvents, by cookie. Office
// holds a reference to each until it is unadvised or Excel ends.
#pragma once

#include "framework/ComPtr.h"

#include <windows.h>
#include <oaidl.h>

#include <utility>
#include <vector>

namespace host {

// {000C0351-0000-0000-C000-000000000046}
inline constexpr IID DIID_CommandBarButtonEvents = {
    0x000C0351, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// The Click event's DISPID.
inline constexpr DISPID kClickDispid = 1;

class ButtonEvents {
public:
    // Gives the cookie, never 0.
    DWORD Advise(framework::ComPtr<IDispatch> sink);
    // False for a cookie that is not advised.
    bool Unadvise(DWORD cookie);
    size_t Count() const { return m_sinks.size(); }
    // The sinks in advise order, each with a reference of its own, so firing survives an Unadvise.
    std::vector<framework::ComPtr<IDispatch>> Sinks() const;
    // Drops every sink, as Excel's end does.
    void Clear() { m_sinks.clear(); }

private:
    std::vector<std::pair<DWORD, framework::ComPtr<IDispatch>>> m_sinks;
    DWORD m_nextCookie = 1;
};

}  // namespace host
