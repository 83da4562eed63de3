// One run of a tool, from the start of its command to its return: what the runner lends it, the working range its
// range page keeps, and the running of an engine with the status bar told of it and every change it makes
// recorded for Undo Last Run. Each tool's run derives from it and implements the tool's own small interface for
// its pages.
#pragma once

#include <functional>
#include <string>

#include "sheet/Application.h"
#include "sheet/Range.h"
#include "tools/run/RunContext.h"
#include "tools/status/Progress.h"
#include "tools/status/StatusLines.h"

namespace tools {

class ToolRun {
public:
    explicit ToolRun(const RunContext& context) noexcept : m_context(context) {}
    virtual ~ToolRun() = default;
    ToolRun(const ToolRun&) = delete;
    ToolRun& operator=(const ToolRun&) = delete;

    // For the range pages: Excel's selection, and the working range a tool may keep.
    sheet::Range Selection() const;
    void SetWorkRange(sheet::Range range) { m_workRange = std::move(range); }
    // Excel disconnected: its objects go now, as one held past disconnection can keep Excel from closing.
    void ReleaseExcel() noexcept { m_workRange = sheet::Range(); }

protected:
    // The engine runs with its own reference to Excel, the progress and the lines, and says what it did; the
    // status bar shows the tool's name with it, and every change it makes goes into a new record of the last run.
    // After disconnection the run is refused with a message.
    using Engine = std::function<std::wstring(const sheet::Application& app, status::Progress& progress,
                                              const status::StatusLines& lines)>;
    void RunEngine(const std::wstring& tool, const Engine& engine);

    const sheet::Range& WorkRange() const noexcept { return m_workRange; }
    // The selection's address for a line on the status bar; empty when it cannot be read.
    static std::wstring SelectionAddress(const sheet::Application& app) noexcept;

private:
    RunContext m_context;
    sheet::Range m_workRange;
};

}  // namespace tools
