// Excel's command bars: at first only the built-in "Worksheet Menu Bar" (the active menu bar)
// with the popups "&File", "&Edit" and "&Help"; tests add bars and controls and read what is
// left after the client's work.
//
//   host::CommandBars& bars = excel->CommandBars();
//   auto menu = bars.Find(L"Worksheet Menu Bar");
//   auto family = menu->Controls().Add(host::mso::ControlPopup, L"Zenda Utilities");
//   auto toolbar = bars.Add(L"Zenda Cellwright");
//   EXPECT_EQ(bars.Names(), (std::vector<std::wstring>{L"Worksheet Menu Bar"}));
#pragma once

#include "host/excel/CommandBar.h"
#include "host/excel/OfficeConstants.h"

#include <memory>
#include <string>
#include <vector>

namespace host {

class CommandBars {
public:
    CommandBars();

    size_t Count() const { return m_bars.size(); }
    // From 1; null past either end.
    std::shared_ptr<CommandBar> Item(size_t index) const;
    // By name without case; null when there is none.
    std::shared_ptr<CommandBar> Find(const std::wstring& name) const;
    // The menu bar Excel shows: the last one added with menuBar set, else the built-in one.
    std::shared_ptr<CommandBar> ActiveMenuBar() const;

    // An empty name gets the next free "Custom n". A menu bar becomes the active menu bar.
    // Throws std::invalid_argument for a name in use.
    std::shared_ptr<CommandBar> Add(std::wstring name = {}, long position = mso::BarFloating, bool menuBar = false,
                                    bool temporary = false);
    // Takes the bar off and marks it deleted; false (and nothing changes) for a built-in bar or
    // one that is not here.
    bool Remove(const CommandBar& bar);

    // In order, the built-in menu bar first.
    std::vector<std::wstring> Names() const;

    // Excel ends and starts again: the bars and controls that are not temporary come back as new
    // objects with everything set on them but their sinks; the old ones count as deleted.
    void Restart();
    // The list a control sits in, on any bar; null when it is on none.
    std::shared_ptr<CommandBarControls> ListHolding(const CommandBarControl& control) const;

private:
    std::vector<std::shared_ptr<CommandBar>> m_bars;
    std::shared_ptr<CommandBar> m_activeMenuBar;
};

}  // namespace host
