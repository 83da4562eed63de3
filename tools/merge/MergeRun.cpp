#include "tools/merge/MergeRun.h"

#include "sheet/AutomationError.h"
#include "tools/common/TextStaysText.h"
#include "tools/common/BlockWriter.h"
#include "tools/common/DisplayedTexts.h"

namespace merge {

TypedTexts TypedTextsOf(std::vector<JoinedText>& joins) {
    TypedTexts typed;
    typed.texts.reserve(joins.size());
    for (JoinedText& join : joins) {
        std::optional<std::wstring> text;
        if (!join.TooLong()) text = TypedTextWithinLimit(join.Take());
        if (!text) {
            typed.firstTooLong = static_cast<long>(typed.texts.size());
            break;
        }
        typed.texts.push_back(std::move(*text));
    }
    return typed;
}

std::vector<bool> Joined(const std::vector<std::wstring>& texts) {
    std::vector<bool> joined(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) joined[i] = !texts[i].empty();
    return joined;
}

std::vector<bool> ShowText(const std::vector<JoinedText>& joins) {
    std::vector<bool> shown(joins.size());
    for (size_t i = 0; i < joins.size(); ++i) shown[i] = joins[i].TooLong() || !joins[i].Text().empty();
    return shown;
}

long CountOf(const std::vector<bool>& flags) {
    long count = 0;
    for (bool flag : flags) count += flag ? 1 : 0;
    return count;
}

void FailTooLong(const std::wstring& where) {
    const std::wstring limit = L"would be longer than the 32,767 characters a cell can hold.";
    const std::wstring advice = L"Select fewer cells or a shorter separator and try again.";
    if (where.empty()) throw sheet::CAutomationError(E_INVALIDARG, L"The joined text " + limit + L" " + advice);
    throw sheet::CAutomationError(E_INVALIDARG, L"Merge Cell Text stopped at " + where + L": its joined text " + limit +
                                                    L" What came before it is done. " + advice);
}

void JoinBlock(const blocks::Block& block, Grouping grouping, std::vector<JoinedText>& joins, long first,
               blocks::KnownTexts& known) {
    const blocks::DisplayedTexts shown = blocks::DisplayedTexts::Read(block, known);
    for (long r = 1; r <= block.Rows(); ++r) {
        for (long c = 1; c <= block.Columns(); ++c) {
            const long group = grouping == Grouping::RowByRow         ? first + r - 1
                               : grouping == Grouping::ColumnByColumn ? first + c - 1
                                                                      : 0;
            joins[static_cast<size_t>(group)].Add(shown.At(r, c));
        }
    }
}

void WriteTargets(const sheet::Range& targets, bool byRow, std::vector<std::wstring> texts,
                  const std::vector<EmptyTarget>& empty, const std::function<sheet::Range(long)>& receiving) {
    const bool oneByOne = static_cast<bool>(receiving);
    const long count = static_cast<long>(texts.size());
    auto changes = [&](long i) {
        return !texts[static_cast<size_t>(i)].empty() || empty[static_cast<size_t>(i)] == EmptyTarget::MustEmpty;
    };
    // Blank targets are written as nothing only between texts.
    long first = 0;
    while (first < count && !changes(first)) ++first;
    long last = count - 1;
    while (last > first && !changes(last)) --last;
    blocks::BlockChanges block(byRow ? count : 1, byRow ? 1 : count);
    for (long i = first; i <= last; ++i) {
        const EmptyTarget ifEmpty = empty[static_cast<size_t>(i)];
        if (!changes(i) && (oneByOne || ifEmpty == EmptyTarget::Keep)) continue;
        std::wstring text = std::move(texts[static_cast<size_t>(i)]);
        sheet::Variant value = text.empty() ? sheet::Variant() : sheet::Variant::String(text);
        if (oneByOne)
            blocks::FillCells(receiving(i), value);
        else
            block.Set(byRow ? i + 1 : 1, byRow ? 1 : i + 1, std::move(value));
    }
    blocks::WriteChanges(targets, block);
}

std::vector<EmptyTarget> EmptyTargets(const std::vector<bool>& blankTargets, long count, bool freeOfMerges,
                                      bool clears) {
    std::vector<EmptyTarget> empty(static_cast<size_t>(count), EmptyTarget::Keep);
    for (long i = 0; i < count; ++i) {
        if (blankTargets[static_cast<size_t>(i)])
            empty[static_cast<size_t>(i)] = freeOfMerges ? EmptyTarget::MayEmpty : EmptyTarget::Keep;
        else if (clears)
            empty[static_cast<size_t>(i)] = EmptyTarget::MustEmpty;
    }
    return empty;
}

void EmptyCells(const std::vector<sheet::Range>& ranges) {
    for (const sheet::Range& range : ranges) blocks::FillCells(range, sheet::Variant());
}

void EmptyAllButFirst(const blocks::PlacedBlock& block, Grouping grouping, const std::vector<bool>& joined,
                      bool freeOfMerges) {
    const bool byRow = grouping == Grouping::RowByRow;
    const blocks::BlockRect allButFirst = byRow ? blocks::BlockRect{1, 2, block.rows, block.columns - 1}
                                                : blocks::BlockRect{2, 1, block.rows - 1, block.columns};
    if (freeOfMerges) {
        EmptyCells({blocks::RangeOf(block, allButFirst)});
        return;
    }
    std::vector<bool> without(joined.size());
    for (size_t i = 0; i < joined.size(); ++i) without[i] = !joined[i];
    std::vector<blocks::BlockRect> rects =
        byRow ? blocks::RowRuns(joined, 2, block.columns - 1) : blocks::ColumnRuns(joined, 2, block.rows - 1);
    for (const blocks::BlockRect& rect :
         byRow ? blocks::RowRuns(without, 1, block.columns) : blocks::ColumnRuns(without, 1, block.rows))
        rects.push_back(rect);
    EmptyCells(blocks::RangesOf(block, rects));
}

}  // namespace merge
