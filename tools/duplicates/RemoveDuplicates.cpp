#include "tools/duplicates/RemoveDuplicates.h"

#include "sheet/SelectionAreas.h"
#include "tools/common/CellArray.h"

#include "tools/duplicates/ActOnRows.h"
#include "tools/duplicates/BlockScan.h"
#include "tools/duplicates/RowKey.h"
#include "tools/duplicates/SeenKeys.h"

namespace duplicates {

namespace {

using sheet::Range;

// Within the limit: Excel is called for each row and its Text or Value, and once or twice more for each
// duplicate.
class RowByRowScan {
public:
    RowByRowScan(const sheet::Application& app, DupAction action, COLORREF color)
        : m_app(app), m_action(action), m_color(color) {}

    DuplicatesResult Run(const Range& rows, long rowCount, long columnCount, const std::vector<UINT>& keyColumns,
                         status::Progress& progress) {
        std::vector<bool> ticked(static_cast<size_t>(columnCount), false);
        for (UINT offset : keyColumns)
            if (offset < ticked.size()) ticked[offset] = true;
        m_result.rowsExamined = rowCount;
        progress.Begin(rowCount);
        for (long i = 1; i <= rowCount; ++i) {
            if (i > 1 && !progress.Continue(i - 1)) break;
            Range row = rows.Item(i);
            if (columnCount == 1) {
                if (ticked[0]) AddDisplayedText(row);
            } else {
                blocks::CellArray values(row.Value(), 1, columnCount, L"Range.Value");
                for (long c = 1; c <= columnCount; ++c)
                    if (ticked[static_cast<size_t>(c - 1)]) m_key.AddValue(values.At(1, c));
            }
            if (m_seen.Repeats(m_key.Take())) Act(row);
        }
        if (!m_selection.IsEmpty()) {
            m_selection.Select();
            m_result.rowsActedOn = m_result.duplicatesFound;
        }
        return m_result;
    }

private:
    void AddDisplayedText(const Range& cell) {
        sheet::Variant text = cell.Text();
        sheet::Variant value;
        m_key.AddDisplayed(text.IsString() ? text.StringView() : std::wstring_view(), [&]() -> const VARIANT& {
            value = cell.Value();
            return value.get();
        });
    }

    void Act(const Range& row) {
        ++m_result.duplicatesFound;
        if (ActOnRows(m_app, row, m_action, m_color, m_selection) && m_action != DupAction::Select)
            ++m_result.rowsActedOn;
    }

    const sheet::Application& m_app;
    DupAction m_action;
    COLORREF m_color;
    RowKey m_key;
    SeenKeys m_seen;
    Range m_selection;
    DuplicatesResult m_result;
};

}  // namespace

DuplicatesResult RunRemoveDuplicates(const sheet::Application& app, const sheet::Range& workRange,
                                     const std::vector<UINT>& keyColumns, DupAction action, COLORREF color,
                                     status::Progress& progress) {
    Range rows = sheet::RowsOfSelection(workRange);
    long rowCount = rows.Count();
    if (rowCount > kRowLimit) return ScanInBlocks(app, workRange, keyColumns, action, color, progress);
    long columnCount = workRange.Columns().Count();
    if (rowCount < 1 || columnCount < 1 || (rowCount == 1 && columnCount == 1)) return {};
    return RowByRowScan(app, action, color).Run(rows, rowCount, columnCount, keyColumns, progress);
}

}  // namespace duplicates
