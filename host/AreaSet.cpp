#include "host/AreaSet.h"

#include <algorithm>

namespace host {

namespace {

// The parts of `area` that `hole` leaves.
void Subtract(const Area& area, const Area& hole, std::vector<Area>& out)
{
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

bool Join(const Area& a, const Area& b, Area& joined)
{
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

// Joins each area from index `first` on with any neighbour of the same span; the areas before
// `first` are already joined among themselves. A joined area keeps the earlier position.
void JoinNeighbours(std::vector<Area>& areas, size_t first)
{
    std::vector<size_t> candidates;
    for (size_t i = first; i < areas.size(); ++i) candidates.push_back(i);
    while (!candidates.empty()) {
        size_t c = candidates.back();
        candidates.pop_back();
        for (size_t j = 0; j < areas.size(); ++j) {
            Area joined;
            if (j == c || !Join(areas[c], areas[j], joined)) continue;
            size_t keep = std::min(c, j);
            size_t drop = std::max(c, j);
            areas[keep] = joined;
            areas.erase(areas.begin() + long(drop));
            candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                            [&](size_t index) { return index == keep || index == drop; }),
                             candidates.end());
            for (auto& index : candidates) {
                if (index > drop) --index;
            }
            candidates.push_back(keep);
            break;
        }
    }
}

}  // namespace

std::vector<Area> UnionOfAreas(const std::vector<Area>& areas)
{
    std::vector<Area> result;
    for (const auto& area : areas) {
        std::vector<Area> pieces{area};
        for (const auto& existing : result) {
            std::vector<Area> next;
            for (const auto& piece : pieces) Subtract(piece, existing, next);
            pieces = std::move(next);
        }
        size_t first = result.size();
        result.insert(result.end(), pieces.begin(), pieces.end());
        JoinNeighbours(result, first);
    }
    return result;
}

std::vector<Area> IntersectionOfAreas(const std::vector<Area>& first, const std::vector<Area>& second)
{
    std::vector<Area> overlaps;
    for (const auto& a : first) {
        for (const auto& b : second) {
            if (auto overlap = a.Intersection(b)) overlaps.push_back(*overlap);
        }
    }
    return UnionOfAreas(overlaps);
}

}  // namespace host
