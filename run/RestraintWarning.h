// A restrained component whose own stiffness comes near the supports'
// restraint (1E30, stiffness/BoundaryConditions) loses the digits that its
// reaction and displacement are computed from: the run says so.
#pragma once

#include <string>
#include <vector>

#include "common/Structure.h"
#include "stiffness/BandMatrix.h"

namespace spanwise {

// Adds one warning per joint whose restrained component's diagonal
// stiffness reaches 1e-12 of the restraint, e.g. "joint 3: its stiffness
// 2e+21 is more than 1e-12 of the supports' restraint 1E30, so reactions and
// support displacements lose accuracy; check the units of E and I".
//   structure in;
//   GlStK in: assembled, before BoundaryConditions replaced its diagonal;
//   warnings in/out.
void RestraintWarnings(const Structure& structure, const BandMatrix& GlStK,
                       std::vector<std::string>& warnings);

}  // namespace spanwise
