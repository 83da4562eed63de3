// The merge engine against the stand-in, as the add-in runs it.
#pragma once

#include <string>
#include <vector>

#include "host/excel/Address.h"
#include "tests/cleanup/EngineTest.h"
#include "tools/merge/MergeSelection.h"

namespace cwtest {

class MergeEngineTest : public EngineTest {
public:
    // Fixtures, also for the tables' sheet builders.
    void SetAt(long row, long column, const std::wstring& text) { Cells().SetText(At(row, column), text); }
    void MergeAt(long top, long left, long bottom, long right) {
        Cells().MergeCells(At(top, left) + L":" + At(bottom, right));
    }

protected:
    merge::MergeResult Merge(merge::MergeTarget target, bool mergeCells, bool clearSources = false,
                             const std::wstring& separator = L", ") {
        merge::MergeRequest request;
        request.target = target;
        request.separator = separator;
        request.mergeCells = mergeCells;
        request.clearSources = clearSources;
        return merge::MergeSelection(App(), request);
    }

    std::wstring MergedAreas() { return host::FormatAddress(Cells().MergedAreas(), {}); }

    // The shown text of each cell of the block, row by row.
    std::vector<std::wstring> Texts(long top, long left, long bottom, long right) {
        std::vector<std::wstring> texts;
        for (long r = top; r <= bottom; ++r)
            for (long c = left; c <= right; ++c) texts.push_back(Cells().DisplayText(r, c));
        return texts;
    }
};

}  // namespace cwtest
