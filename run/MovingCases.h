// The moving cases: every member's end influence lines from the one
// factorised stiffness matrix, and from them each vehicle's envelope.
#pragma once

#include <vector>

#include "common/Array.h"
#include "common/StepWatch.h"
#include "common/Structure.h"
#include "design/DesignValues.h"
#include "design/MemberInfluence.h"
#include "input/LoadCases.h"
#include "stiffness/Stiffness.h"

namespace spanwise {

// The envelope of every moving case of cases (in case order) into moving,
// and model filled when there is one. structure, factored, LoMemK in: as
// for SolveGroups; cases in; watch in/out: told every member done (Fault:
// RunCancelled); model out; moving out. Fault: DataError when the lines
// would not fit in the memory free, or after an overflow.
void MovingEnvelopes(const Structure& structure, FactoredStiffness& factored, const Array3& LoMemK,
                     const LoadCases& cases, StepWatch& watch, MovingLines& model,
                     std::vector<MovingEnvelope>& moving);

}  // namespace spanwise
