// The run of Remove Duplicates: the working range's columns, the ticked ones, and the engine the action
// page's Finish runs.
#pragma once

#include "tools/duplicates/DuplicatesCommands.h"
#include "tools/run/ToolRun.h"
#include "tools/status/StatusLines.h"

namespace duplicates {

class DuplicatesToolRun : public tools::ToolRun, public DuplicatesCommands {
public:
    using ToolRun::ToolRun;

    std::vector<ColumnHeading> KeyColumnChoices() override;
    void SetKeyColumns(std::vector<UINT> offsets) override { m_keyColumns = std::move(offsets); }
    DuplicatesResult RunRemoveDuplicates(DupAction action, COLORREF color) override;

private:
    std::vector<UINT> m_keyColumns;
};

// What the run says after the tool's name: "37 duplicate rows of 1,000 selected", "1 duplicate row of 20
// coloured", "no duplicate rows in 1,000".
std::wstring DuplicatesOutcome(DupAction action, const DuplicatesResult& result, const status::StatusLines& lines);

}  // namespace duplicates
