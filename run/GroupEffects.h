// What every load group alone does to the solved structure: one solution
// per group with the one factorised stiffness matrix.
#pragma once

#include <vector>

#include "common/Array.h"
#include "design/Envelope.h"
#include "stiffness/BandMatrix.h"

namespace spanwise {

// groups in; NJ, NM, JN, XCoord, FixFy, FixMz in: the structure;
// factored, pivots in: the stiffness matrix after BoundaryConditions, from
// FactorBand; LoMemK (0..NM, 0..4, 0..4) in: member stiffness in member
// axes; effects out. Returns false, effects empty, after an overflow.
bool SolveGroups(const std::vector<LoadGroup>& groups, long NJ, long NM, Array2& JN, Array1& XCoord,
                 Array1& FixFy, Array1& FixMz, BandMatrix& factored,
                 const std::vector<long>& pivots, Array3& LoMemK, GroupEffects& effects);

}  // namespace spanwise
