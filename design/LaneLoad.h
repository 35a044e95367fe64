// The uniform lane load of a vehicle: it lies wherever it makes an effect
// worse, under and beside the vehicle, so its share does not depend on
// where the vehicle stands: w times the area of the line's positive part
// for the largest effect, of its negative part for the smallest.
#pragma once

#include <vector>

#include "design/InfluenceLine.h"

namespace spanwise {

struct LaneAreas {
  double positive = 0;  // integral of max(IL, 0) dX over the beam, >= 0
  double negative = 0;  // integral of min(IL, 0) dX, <= 0
  double whole = 0;     // integral of IL dX: a lane load over the whole deck
};

// The areas of a line, each piece integrated exactly between the points
// where it changes sign. line in: pieces in order of X (empty: all 0);
// roots in/out: scratch space. Not finite where the line is not.
LaneAreas LaneAreasOf(const InfluenceLine& line, std::vector<double>& roots);

}  // namespace spanwise
