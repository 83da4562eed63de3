#include "tools/common/RunRecord.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace blocks {

namespace {

bool HoldsText(ContentKind kind) { return kind == ContentKind::Text || kind == ContentKind::Formula; }

BlockRect Grown(const BlockRect& box, long row, long column) {
    if (box.rows == 0) return {row, column, 1, 1};
    long top = std::min(box.row, row);
    long left = std::min(box.column, column);
    long bottom = std::max(box.row + box.rows - 1, row);
    long right = std::max(box.column + box.columns - 1, column);
    return {top, left, bottom - top + 1, right - left + 1};
}

}  // namespace

size_t RecordedCells::Bytes() const noexcept {
    return sizeof(RecordedCells) + m_cells.capacity() * sizeof(Cell) + m_texts.capacity() * sizeof(wchar_t);
}

RecordedCells::Packed RecordedCells::Pack(const CellContent& content) {
    Packed packed{};
    packed.kind = content.kind;
    if (HoldsText(content.kind)) {
        packed.offset = m_texts.size();
        packed.length = static_cast<std::uint32_t>(content.text.size());
        m_texts += content.text;
    } else {
        packed.number = content.number;
    }
    return packed;
}

CellContent RecordedCells::Unpacked(const Packed& packed) const {
    CellContent content;
    content.kind = packed.kind;
    if (HoldsText(packed.kind))
        content.text = m_texts.substr(static_cast<size_t>(packed.offset), packed.length);
    else
        content.number = packed.number;
    return content;
}

void RecordedCells::Add(long row, long column, const CellContent& before, const CellContent& after) {
    Cell cell{};
    cell.row = row;
    cell.column = column;
    cell.before = Pack(before);
    cell.after = ContentLeft::Of(after);
    m_cells.push_back(cell);
    m_bounds = Grown(m_bounds, row, column);
}

void RunRecord::SetOwner(sheet::Worksheet sheet, std::wstring workbookName, std::wstring sheetName) {
    m_owner = std::move(sheet);
    m_workbookName = std::move(workbookName);
    m_sheetName = std::move(sheetName);
}

bool RunRecord::Account(std::size_t bytes) {
    if (m_overflowed) return false;
    if (bytes > m_limit - std::min(m_bytes, m_limit)) {
        Overflow();
        return false;
    }
    m_bytes += bytes;
    return true;
}

void RunRecord::Overflow() noexcept {
    m_overflowed = true;
    // Swapped with empty ones, so that the memory goes at once.
    std::vector<RecordedCells>().swap(m_cells);
    std::vector<FormatChange>().swap(m_formats);
    std::vector<MergeChange>().swap(m_mergedByRun);
    std::vector<BlockRect>().swap(m_mergedBefore);
    m_selectionBefore.clear();
    m_activeCellBefore.clear();
    m_selectionAfter.clear();
    m_bytes = 0;
}

void RunRecord::BeginCells(std::size_t expected) {
    m_inCells = false;
    if (!Account(sizeof(RecordedCells) + expected * sizeof(RecordedCells::Cell))) return;
    m_cells.emplace_back();
    m_cells.back().m_cells.reserve(expected);
    m_inCells = true;
}

void RunRecord::AddCell(long row, long column, const CellContent& before, const CellContent& after) {
    if (!m_inCells) return;
    RecordedCells& cells = m_cells.back();
    const std::size_t bytesBefore = cells.Bytes();
    cells.Add(row, column, before, after);
    if (!Account(cells.Bytes() - bytesBefore)) m_inCells = false;
}

void RunRecord::EndCells() {
    if (m_inCells && m_cells.back().Count() == 0) {
        m_bytes -= std::min(m_bytes, m_cells.back().Bytes());
        m_cells.pop_back();
    }
    m_inCells = false;
}

void RunRecord::AddFormat(const FormatChange& change) {
    if (Account(sizeof(FormatChange))) m_formats.push_back(change);
}

void RunRecord::AddMergedByRun(const MergeChange& merged) {
    if (Account(sizeof(MergeChange))) m_mergedByRun.push_back(merged);
}

void RunRecord::AddMergedBefore(const BlockRect& area) {
    if (m_overflowed || std::find(m_mergedBefore.begin(), m_mergedBefore.end(), area) != m_mergedBefore.end()) return;
    if (Account(sizeof(BlockRect))) m_mergedBefore.push_back(area);
}

void RunRecord::AddSelection(std::wstring before, std::wstring activeCell, std::wstring after) {
    if (m_overflowed) return;
    if (m_selectionBefore.empty()) {
        if (!Account((before.size() + activeCell.size()) * sizeof(wchar_t))) return;
        m_selectionBefore = std::move(before);
        m_activeCellBefore = std::move(activeCell);
    }
    if (!Account(after.size() * sizeof(wchar_t))) return;
    m_selectionAfter = std::move(after);
}

bool RunRecord::Empty() const noexcept {
    return m_cells.empty() && m_formats.empty() && m_mergedByRun.empty() && m_mergedBefore.empty() &&
           m_selectionBefore.empty();
}

void RunRecord::DropSelection() noexcept {
    m_selectionBefore.clear();
    m_activeCellBefore.clear();
    m_selectionAfter.clear();
}

namespace {

// Whether any two blocks' rectangles meet: only then can a cell be in two of them.
bool AnyBoundsMeet(const std::vector<RecordedCells>& blocks) {
    std::vector<const BlockRect*> byTop;
    byTop.reserve(blocks.size());
    for (const RecordedCells& cells : blocks) byTop.push_back(&cells.Bounds());
    std::sort(byTop.begin(), byTop.end(), [](const BlockRect* a, const BlockRect* b) { return a->row < b->row; });
    for (size_t i = 0; i < byTop.size(); ++i) {
        const BlockRect& a = *byTop[i];
        for (size_t j = i + 1; j < byTop.size() && byTop[j]->row < a.row + a.rows; ++j) {
            const BlockRect& b = *byTop[j];
            if (b.column < a.column + a.columns && a.column < b.column + b.columns) return true;
        }
    }
    return false;
}

}  // namespace

void RunRecord::CollapseRepeatedCells() {
    if (!AnyBoundsMeet(m_cells)) return;
    struct Entry {
        std::uint64_t cell;
        std::uint32_t block;
        std::uint32_t index;
    };
    std::vector<Entry> entries;
    for (std::uint32_t b = 0; b < m_cells.size(); ++b)
        for (std::uint32_t i = 0; i < m_cells[b].Count(); ++i)
            if (!m_cells[b].Superseded(i))
                entries.push_back(
                    {(std::uint64_t(m_cells[b].Row(i)) << 16) | std::uint64_t(m_cells[b].Column(i)), b, i});
    // Stable: the writes of one cell stay in the order they were made.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.cell < b.cell; });
    for (size_t first = 0, next = 0; first < entries.size(); first = next) {
        for (next = first + 1; next < entries.size() && entries[next].cell == entries[first].cell;) ++next;
        if (next - first == 1) continue;
        const Entry& last = entries[next - 1];
        RecordedCells& lastBlock = m_cells[last.block];
        lastBlock.m_cells[last.index].before =
            lastBlock.Pack(m_cells[entries[first].block].Before(entries[first].index));
        for (size_t k = first; k + 1 < next; ++k)
            m_cells[entries[k].block].m_cells[entries[k].index].before.superseded = true;
    }
}

void RunRecord::Recount() noexcept {
    std::size_t bytes =
        (m_selectionBefore.size() + m_activeCellBefore.size() + m_selectionAfter.size()) * sizeof(wchar_t);
    for (const RecordedCells& cells : m_cells) bytes += cells.Bytes();
    bytes += m_formats.size() * sizeof(FormatChange) + m_mergedByRun.size() * sizeof(MergeChange) +
             m_mergedBefore.size() * sizeof(BlockRect);
    m_bytes = bytes;
}

}  // namespace blocks
