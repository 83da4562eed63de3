#include "host/excel/MergedAreaIndex.h"

#include <algorithm>
#include <climits>

namespace host {

namespace {

bool Before(const Area& area, long top, long left) { return area.top != top ? area.top < top : area.left < left; }

// The first area of a run from the top-left cell (top, left) on.
template <class Run>
auto From(Run& run, long top, long left) {
    return std::lower_bound(run.begin(), run.end(), Area::Cell(top, left),
                            [](const Area& a, const Area& key) { return Before(a, key.top, key.left); });
}

}  // namespace

std::vector<Area> MergedAreaIndex::All() const {
    std::vector<Area> areas;
    for (const auto& run : m_runs) areas.insert(areas.end(), run.begin(), run.end());
    return areas;
}

std::size_t MergedAreaIndex::RunOf(long top, long left) const {
    // The last run that starts at or before the cell; the first when all start after it.
    auto after = std::upper_bound(
        m_runs.begin(), m_runs.end(), Area::Cell(top, left),
        [](const Area& key, const std::vector<Area>& run) { return Before(key, run.front().top, run.front().left); });
    return after == m_runs.begin() ? 0 : static_cast<std::size_t>(after - m_runs.begin()) - 1;
}

long MergedAreaIndex::FirstTopMeeting(const Area& area) const {
    const long tallest = m_heights.rbegin()->first;
    return area.top - tallest + 1;
}

void MergedAreaIndex::CountHeight(const Area& area, long change) {
    auto it = m_heights.find(area.Rows());
    if (it == m_heights.end()) it = m_heights.insert({area.Rows(), 0}).first;
    it->second += change;
    if (it->second == 0) m_heights.erase(it);
}

std::vector<Area> MergedAreaIndex::Meeting(const Area& area) const {
    std::vector<Area> meeting;
    if (m_runs.empty()) return meeting;
    const long firstTop = FirstTopMeeting(area);
    for (std::size_t r = RunOf(firstTop, LONG_MIN); r < m_runs.size(); ++r) {
        const std::vector<Area>& run = m_runs[r];
        for (auto it = From(run, firstTop, LONG_MIN); it != run.end(); ++it) {
            if (it->top > area.bottom) return meeting;
            if (it->Intersects(area)) meeting.push_back(*it);
        }
    }
    return meeting;
}

std::optional<Area> MergedAreaIndex::At(long row, long column) const {
    std::vector<Area> meeting = Meeting(Area::Cell(row, column));
    if (meeting.empty()) return std::nullopt;
    return meeting.front();
}

void MergedAreaIndex::Add(const Area& area) {
    CountHeight(area, 1);
    if (m_runs.empty()) {
        m_runs.push_back(std::vector<Area>{area});
        return;
    }
    const std::size_t r = RunOf(area.top, area.left);
    std::vector<Area>& run = m_runs[r];
    auto at = From(run, area.top, area.left);
    if (at != run.end() && at->top == area.top && at->left == area.left) {
        CountHeight(*at, -1);
        *at = area;
        return;
    }
    if (run.size() < kRunLength) {
        run.insert(at, area);
        return;
    }
    // A full run: an area past either end starts a run of its own (areas added in order fill runs whole);
    // one within splits the run in halves.
    if (at == run.end() || at == run.begin()) {
        m_runs.insert(m_runs.begin() + static_cast<std::ptrdiff_t>(at == run.end() ? r + 1 : r),
                      std::vector<Area>{area});
        return;
    }
    const auto middle = run.begin() + static_cast<std::ptrdiff_t>(kRunLength / 2);
    std::vector<Area> upper(middle, run.end());
    const bool intoUpper = at >= middle;
    if (intoUpper) upper.insert(upper.begin() + (at - middle), area);
    run.erase(middle, run.end());
    if (!intoUpper) run.insert(at, area);
    m_runs.insert(m_runs.begin() + static_cast<std::ptrdiff_t>(r + 1), std::move(upper));
}

std::vector<Area> MergedAreaIndex::RemoveMeeting(const Area& area) {
    std::vector<Area> removed;
    if (m_runs.empty()) return removed;
    const long firstTop = FirstTopMeeting(area);
    for (std::size_t r = RunOf(firstTop, LONG_MIN); r < m_runs.size();) {
        std::vector<Area>& run = m_runs[r];
        const auto begin = From(run, firstTop, LONG_MIN);
        const auto end = std::find_if(begin, run.end(), [&](const Area& a) { return a.top > area.bottom; });
        const bool last = end != run.end();
        auto kept = begin;
        for (auto it = begin; it != end; ++it) {
            if (it->Intersects(area))
                removed.push_back(*it);
            else
                *kept++ = *it;
        }
        run.erase(kept, end);
        if (run.empty())
            m_runs.erase(m_runs.begin() + static_cast<std::ptrdiff_t>(r));
        else
            ++r;
        if (last) break;
    }
    for (const Area& merged : removed) CountHeight(merged, -1);
    return removed;
}

}  // namespace host
