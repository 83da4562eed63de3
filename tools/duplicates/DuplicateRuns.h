// Duplicate rows are acted on in runs of neighbouring rows, many runs to a call: one
// multi-area reference of at most kMaxReference characters (as much as Worksheet.Range takes) per Interior.Color put,
// Value put or Union.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "sheet/Application.h"
#include "tools/common/ReferenceList.h"
#include "tools/duplicates/DupAction.h"

namespace duplicates {

class DuplicateRuns {
public:
    // The rows' cells from sheet column left to right are acted on.
    DuplicateRuns(const sheet::Application& app, const sheet::Worksheet& sheet, long left, long right, DupAction action,
                  COLORREF color);

    // Rows come in ascending order.
    void Add(long row);
    // Acts on what is pending; for Select, then selects every duplicate row.
    void Finish();

    long ActedOn() const noexcept { return m_actedOn; }

private:
    void CloseRun();
    void Flush();
    void AddToSelection(sheet::Range rows);

    const sheet::Application& m_app;
    const sheet::Worksheet& m_sheet;
    std::wstring m_leftLetters;
    std::wstring m_rightLetters;
    DupAction m_action;
    COLORREF m_color;
    long m_runTop = 0;
    long m_runBottom = -1;
    blocks::ReferenceList m_pending;  // "A5:J7,A9:J9"
    long m_pendingRows = 0;
    long m_flushedRows = 0;
    long m_actedOn = 0;
    // Partial unions, each of twice the references of the next (as the digits of a binary counter): every
    // Union joins two of a size, so no call handles the whole selection many times over.
    struct PartialUnion {
        sheet::Range rows;
        long references;
    };
    std::vector<PartialUnion> m_unions;
};

}  // namespace duplicates
