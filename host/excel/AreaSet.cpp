#include "host/excel/AreaSet.h"

#include <algorithm>
#include <map>

namespace host {

namespace {

// The parts of `area` that `hole` leaves.
void Subtract(const Area& area, const Area& hole, std::vector<Area>& out) {
    auto overlap = area.Intersection(hole);
    if (!overlap) {
        out.push_back(area);
        return;
    }
    if (area.top < overlap->top) out.push_back({area.top, area.left, overlap->top - 1, area.right});
    if (overlap->left > area.left) out.push_back({overlap->top, area.left, overlap->bottom, overlap->left - 1});
    if (overlap->right < area.right) out.push_back({overlap->top, overlap->right + 1, overlap->bottom, area.right});
    if (overlap->bottom < area.bottom) out.push_back({overlap->bottom + 1, area.left, area.bottom, area.right});
}

bool Join(const Area& a, const Area& b, Area& joined) {
    if (a.left == b.left && a.right == b.right && (a.bottom + 1 == b.top || b.bottom + 1 == a.top)) {
        joined = a.BoundingBox(b);
        return true;
    }
    if (a.top == b.top && a.bottom == b.bottom && (a.right + 1 == b.left || b.right + 1 == a.left)) {
        joined = a.BoundingBox(b);
        return true;
    }
    return false;
}

// The areas of a union so far, disjoint, with an index by top row so that a new area meets only the
// areas near it: a union of tens of thousands of small areas costs what its areas cost, not their square.
// Positions never move (a joined area keeps the earlier one, the later one dies), so the result keeps the
// order in which the cells first appeared.
class AreaList {
public:
    std::vector<Area> Live() const {
        std::vector<Area> live;
        for (size_t i = 0; i < m_areas.size(); ++i) {
            if (!m_dead[i]) live.push_back(m_areas[i]);
        }
        return live;
    }

    size_t Size() const { return m_areas.size(); }

    // Positions of the live areas that may touch rows top - 1 to bottom + 1, in position order.
    std::vector<size_t> Near(long top, long bottom) const {
        std::vector<size_t> near;
        auto end = m_byTop.upper_bound(bottom + 1);
        for (auto it = m_byTop.lower_bound(top - m_maxRows); it != end; ++it) near.push_back(it->second);
        std::sort(near.begin(), near.end());
        return near;
    }

    void Add(const Area& area) {
        m_areas.push_back(area);
        m_dead.push_back(false);
        Index(m_areas.size() - 1);
    }

    // Joins the areas from position `first` on with any neighbour of the same span.
    void JoinNeighbours(size_t first) {
        std::vector<size_t> candidates;
        for (size_t i = first; i < m_areas.size(); ++i) candidates.push_back(i);
        while (!candidates.empty()) {
            size_t c = candidates.back();
            candidates.pop_back();
            for (size_t j : Near(m_areas[c].top, m_areas[c].bottom)) {
                Area joined;
                if (j == c || !Join(m_areas[c], m_areas[j], joined)) continue;
                size_t keep = std::min(c, j);
                size_t drop = std::max(c, j);
                Unindex(keep);
                Unindex(drop);
                m_dead[drop] = true;
                m_areas[keep] = joined;
                Index(keep);
                candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                                [&](size_t index) { return index == keep || index == drop; }),
                                 candidates.end());
                candidates.push_back(keep);
                break;
            }
        }
    }

    const Area& At(size_t position) const { return m_areas[position]; }

private:
    void Index(size_t position) {
        m_byTop.emplace(m_areas[position].top, position);
        m_maxRows = std::max(m_maxRows, m_areas[position].Rows());
    }

    void Unindex(size_t position) {
        auto range = m_byTop.equal_range(m_areas[position].top);
        for (auto it = range.first; it != range.second; ++it) {
            if (it->second == position) {
                m_byTop.erase(it);
                return;
            }
        }
    }

    std::vector<Area> m_areas;
    std::vector<bool> m_dead;
    std::multimap<long, size_t> m_byTop;
    long m_maxRows = 1;  // no live area is taller: how far above a row an area touching it may start
};

}  // namespace

std::vector<Area> UnionOfAreas(const std::vector<Area>& areas) {
    AreaList result;
    for (const auto& area : areas) {
        std::vector<Area> pieces{area};
        for (size_t existing : result.Near(area.top, area.bottom)) {
            std::vector<Area> next;
            for (const auto& piece : pieces) Subtract(piece, result.At(existing), next);
            pieces = std::move(next);
        }
        size_t first = result.Size();
        for (const auto& piece : pieces) result.Add(piece);
        result.JoinNeighbours(first);
    }
    return result.Live();
}

std::vector<Area> IntersectionOfAreas(const std::vector<Area>& first, const std::vector<Area>& second) {
    std::vector<Area> overlaps;
    for (const auto& a : first) {
        for (const auto& b : second) {
            if (auto overlap = a.Intersection(b)) overlaps.push_back(*overlap);
        }
    }
    return UnionOfAreas(overlaps);
}

}  // namespace host
