// Envelopes of load combinations: for every combination, the largest and
// smallest reactions and, along every member, the largest and smallest
// moment, shear and deflection over every choice of adverse or favourable
// factor for every load group, exact.
#pragma once

#include <string>
#include <vector>

#include "common/Array.h"
#include "common/StepWatch.h"
#include "design/DesignValues.h"
#include "input/LoadCases.h"
#include "loads/Loads.h"

namespace spanwise {

// The unit switched on or off: a fixed case's loads together; in a variable
// case the loads on one member, and the loads on one joint.
struct LoadGroup {
  GroupName name;                        // its case, and its member or joint in a variable case
  std::vector<MemberLoad> member_loads;  // placed on their members, acting
  std::vector<JointLoadRecord> joint_loads;
  std::vector<Settlement> settlements;  // of its case (at its joint, in a variable case)
};

// Every group of the model, case by case in order. case1 is the loads of
// sections 6 and 7 as the load stage read them.
//   JN, XCoord in: for placing the loads. Fault: a load of a further case
//   that does not lie on its member (DataError naming its line).
void MakeLoadGroups(const LoadRecords& case1, const LoadCases& cases, Array2& JN, Array1& XCoord,
                    std::vector<LoadGroup>& groups);

struct EnvelopeSource;  // design/EnvelopeSource.h

// Computes the envelope of every combination of source into
// design.combinations, and names the groups in design.groups. A value whose
// arithmetic overflows (a member's quantity, a joint's reactions) is absent
// in its combination alone, and design.warnings says so per combination.
//   source in: every group's effects (SolveGroups); watch in/out (may be
//   null): told every member done (Fault: RunCancelled); design in/out.
//   moving in (may be null): the moving cases, each one group more (named
//   after the others in design.groups).
struct MovingSource;  // design/MovingCombination.h
void Envelopes(const EnvelopeSource& source, const MovingSource* moving, StepWatch* watch,
               DesignValues& design);

}  // namespace spanwise
