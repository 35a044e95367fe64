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

// Each group is solved only as far as its effect is felt (to 1e-22 of its
// largest value), and then each member keeps only the groups that can
// change its envelopes (KeepGroupsThatMatter): time and memory go with the
// members times a group's reach, not times the groups.
// source in/out: started (StartEnvelopeSource); gains the members' effects
// and the restrained joints' reactions. structure in; factored in: from
// FactorStiffness; LoMemK (0..NM, 0..4, 0..4) in: member stiffness in member
// axes; full_reach in: every group solved everywhere and kept wherever not
// exactly 0 (the slower way, kept as the tests' oracle); watch in/out: told
// every group solved (Fault: RunCancelled). Fault: DataError when the
// effects, as they grow, would not fit in the memory free. Returns false,
// effects left empty, after an overflow.
bool SolveGroups(const Structure& structure, FactoredStiffness& factored, const Array3& LoMemK,
                 bool full_reach, StepWatch& watch, EnvelopeSource& source);

}  // namespace spanwise
