// The merged areas of one sheet, found by where they lie: a sheet merged row by row holds hundreds of
// thousands of them, and every write asks which ones it meets.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <vector>

#include "host/excel/Area.h"

namespace host {

class MergedAreaIndex {
public:
    // Every merged area, by top row, then left column.
    std::vector<Area> All() const;
    // The merged areas that share a cell with `area`, in the same order.
    std::vector<Area> Meeting(const Area& area) const;
    std::optional<Area> At(long row, long column) const;
    bool Empty() const { return m_runs.empty(); }

    // The area must meet no other merged area.
    void Add(const Area& area);
    // Removes every merged area that meets `area`; gives them.
    std::vector<Area> RemoveMeeting(const Area& area);

private:
    // The areas lie in sorted runs of at most this many: an area costs its 16 bytes (a node of a tree would
    // cost some 70 with the allocator's), and a run is short enough to insert into.
    static constexpr std::size_t kRunLength = 1024;

    // The run that holds, or would hold, an area whose top-left cell is (top, left).
    std::size_t RunOf(long top, long left) const;
    // The first top row of an area that can meet `area`.
    long FirstTopMeeting(const Area& area) const;
    void CountHeight(const Area& area, long change);

    std::vector<std::vector<Area>> m_runs;  // by (top, left), across the runs
    // How many areas have each height: bounds how far above a row an area meeting it can start.
    std::map<long, long> m_heights;
};

}  // namespace host
