#include "tools/cleanup/WalkRangeText.h"

#include <optional>
#include <string_view>

#include "tools/cleanup/SuspendedUpdates.h"
#include "tools/common/BlockReader.h"
#include "tools/common/BlockWriter.h"
#include "tools/common/TextStaysText.h"
#include "tools/common/WorkAreas.h"

namespace cleanup {

namespace {

// A text with a NUL inside cannot be written back whole; such a cell is left as it is.
bool HoldsNul(std::wstring_view text) { return text.find(L'\0') != std::wstring_view::npos; }

class Walker {
public:
    Walker(const TextTransform& transform, blocks::BlockCaps caps, status::Progress& progress)
        : m_transform(transform), m_caps(caps), m_progress(progress) {}

    TextWalkResult Result() const { return m_result; }

    // False when progress stopped the walk.
    bool Area(const blocks::WorkArea& area) {
        blocks::BlockReader reader(area.range, {m_caps.cells, blocks::FormulaCells::Ignored, m_caps.bytes});
        const long rowsBefore = m_rowsDone;
        for (blocks::Block block; reader.Next(block);) {
            reader.Made(TextsOfBlock(block));
            // A band of rows is done with its last block.
            const blocks::BlockRect& place = block.Place();
            if (place.column + place.columns - 1 < reader.Columns()) continue;
            m_rowsDone = rowsBefore + place.row + place.rows - 1;
            if (!m_progress.Continue(m_rowsDone)) return false;
        }
        m_rowsDone = rowsBefore + area.rows;
        return true;
    }

private:
    // The text the rule makes of a cell's text, when it changes; a blank or a text with a NUL stays as it is.
    std::optional<std::wstring> Rewritten(std::wstring_view original) const {
        if (original.empty() || HoldsNul(original)) return std::nullopt;
        std::wstring text(original);
        m_transform(text);
        if (text == original) return std::nullopt;
        return text;
    }

    // Gives the bytes the changed texts took until written.
    std::size_t TextsOfBlock(blocks::Block& block) {
        std::optional<blocks::BlockChanges> changes;
        long changed = 0;
        std::size_t bytes = 0;
        for (long c = 1; c <= block.Columns(); ++c) {
            for (long r = 1; r <= block.Rows(); ++r) {
                const VARIANT& cell = block.Value(r, c);
                if (cell.vt != VT_BSTR) continue;  // blank, number, date, boolean or error value
                auto text = Rewritten(blocks::TextOf(cell));
                if (!text) continue;
                // A formula's result can be a text; the formula stays. Where formulas are matters only now.
                block.MapFormulas();
                if (block.HoldsFormula(r, c)) continue;
                std::optional<std::wstring> typed = TypedTextWithinLimit(std::move(*text));
                if (!typed) {
                    ++m_result.keptTooLong;
                    continue;
                }
                if (!changes) changes.emplace(block.Rows(), block.Columns());
                bytes += typed->size() * sizeof(wchar_t) + sizeof(VARIANT);
                changes->Set(r, c, sheet::Variant::String(*typed));
                ++changed;
            }
        }
        if (!changes) return 0;
        blocks::WriteChanges(block, *changes);
        m_result.changed += changed;
        return bytes;
    }

    const TextTransform& m_transform;
    blocks::BlockCaps m_caps;
    status::Progress& m_progress;
    long m_rowsDone = 0;
    TextWalkResult m_result;
};

}  // namespace

TextWalkResult WalkRangeText(const sheet::Application& app, const TextTransform& transform, ExcelUpdates updates,
                             blocks::BlockCaps caps, status::Progress& progress) {
    // Gathered before anything is switched off: a selection that is not a range fails here.
    blocks::WorkAreas work = blocks::AreasToWorkOn(app, app.Selection());

    std::optional<SuspendedUpdates> suspended;
    if (updates == ExcelUpdates::SuspendedForTheRun) suspended.emplace(app);

    progress.Begin(work.totalRows);
    Walker walker(transform, caps, progress);
    for (const blocks::WorkArea& area : work.areas)
        if (!walker.Area(area)) break;
    if (suspended) suspended->Restore();
    return walker.Result();
}

}  // namespace cleanup
