// Set operations on lists of areas, as Application.Union and Application.Intersect give them.
#pragma once

#include "host/excel/Area.h"

#include <vector>

namespace host {

// The cells of all the areas as disjoint areas, in the order they first appear; neighbours with
// the same span join ("$A$2:$C$2" and "$A$3:$C$3" become "$A$2:$C$3").
std::vector<Area> UnionOfAreas(const std::vector<Area>& areas);

// The cells both lists cover, joined as UnionOfAreas does; empty when they do not meet.
std::vector<Area> IntersectionOfAreas(const std::vector<Area>& first, const std::vector<Area>& second);

}  // namespace host
