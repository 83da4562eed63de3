// The merged areas of one sheet, found by where they lie: a sheet merged row by row holds hundreds of
// thousands of them, and every write asks which ones it meets.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <utility>
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
    bool Empty() const { return m_areas.empty(); }

    // The area must meet no other merged area.
    void Add(const Area& area);
    // Removes every merged area that meets `area`; gives them.
    std::vector<Area> RemoveMeeting(const Area& area);

private:
    std::map<std::pair<long, long>, Area> m_areas;  // by (top, left)
    std::multiset<long> m_heights;                  // bounds how far above a row an area meeting it can start
};

}  // namespace host
