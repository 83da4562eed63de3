#include "host/excel/MergedAreaIndex.h"

#include <climits>

namespace host {

std::vector<Area> MergedAreaIndex::All() const {
    std::vector<Area> areas;
    areas.reserve(m_areas.size());
    for (const auto& entry : m_areas) areas.push_back(entry.second);
    return areas;
}

std::vector<Area> MergedAreaIndex::Meeting(const Area& area) const {
    std::vector<Area> meeting;
    if (m_areas.empty()) return meeting;
    const long tallest = *m_heights.rbegin();
    const long firstTop = area.top - tallest + 1;
    for (auto it = m_areas.lower_bound({firstTop, LONG_MIN}); it != m_areas.end() && it->first.first <= area.bottom;
         ++it) {
        if (it->second.Intersects(area)) meeting.push_back(it->second);
    }
    return meeting;
}

std::optional<Area> MergedAreaIndex::At(long row, long column) const {
    std::vector<Area> meeting = Meeting(Area::Cell(row, column));
    if (meeting.empty()) return std::nullopt;
    return meeting.front();
}

void MergedAreaIndex::Add(const Area& area) {
    m_areas[{area.top, area.left}] = area;
    m_heights.insert(area.Rows());
}

std::vector<Area> MergedAreaIndex::RemoveMeeting(const Area& area) {
    std::vector<Area> removed = Meeting(area);
    for (const Area& merged : removed) {
        m_areas.erase({merged.top, merged.left});
        m_heights.erase(m_heights.find(merged.Rows()));
    }
    return removed;
}

}  // namespace host
