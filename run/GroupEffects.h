// What every load group alone does to the solved structure: one solution
// per group with the one factorised stiffness matrix.
#pragma once

#include <vector>

#include "common/Array.h"
#include "common/StepWatch.h"
#include "common/Structure.h"
#include "design/EnvelopeSource.h"
#include "stiffness/Stiffness.h"

namespace spanwise {

// source in/out: started (StartEnvelopeSource); gains every member's effects
// and every restrained joint's reactions. structure in; factored in: from
// FactorStiffness; LoMemK (0..NM, 0..4, 0..4) in: member stiffness in member
// axes; watch in/out: told every group solved (Fault: RunCancelled). Fault:
// DataError when the effects, as they grow, would not fit in the memory
// free. Returns false, effects left empty, after an overflow.
bool SolveGroups(const Structure& structure, FactoredStiffness& factored, const Array3& LoMemK,
                 StepWatch& watch, EnvelopeSource& source);

}  // namespace spanwise
