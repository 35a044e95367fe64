// A vehicle standing still: its axles and its lane load as the member loads
// of a plain analysis.
#pragma once

#include <vector>

#include "common/Structure.h"
#include "common/Vehicle.h"
#include "design/InfluenceLine.h"
#include "input/MemberLoad.h"

namespace spanwise {

// The member loads of vehicle with axle 1 at X = position travelling in
// direction: each axle on the beam a point load (type 1) on the member that
// holds it (at a joint, the member that starts there, or the last one), and
// the lane load a uniform load (type 2) on every length where line is
// positive (larger) or negative (not larger).
//   structure in; vehicle in; position, direction in; line in: over the
//   beam; larger in; loads out (record numbers 1, 2, ...; line the
//   vehicle's).
void VehicleLoads(const Structure& structure, const Vehicle& vehicle, double position,
                  Direction direction, const InfluenceLine& line, bool larger,
                  std::vector<MemberLoad>& loads);

}  // namespace spanwise
