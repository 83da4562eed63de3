#include "host/excel/Area.h"

#include <algorithm>

namespace host {

std::optional<Area> Area::Intersection(const Area& other) const {
    if (!Intersects(other)) return std::nullopt;
    return Area{std::max(top, other.top), std::max(left, other.left), std::min(bottom, other.bottom),
                std::min(right, other.right)};
}

Area Area::BoundingBox(const Area& other) const {
    return Area{std::min(top, other.top), std::min(left, other.left), std::max(bottom, other.bottom),
                std::max(right, other.right)};
}

}  // namespace host
