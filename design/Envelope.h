// Envelopes of load combinations: for every combination, the largest and
// smallest reactions and, along every member, the largest and smallest
// moment, shear and deflection over every choice of adverse or favourable
// factor for every load group, exact.
#pragma once

#include <string>
#include <vector>

#include "common/Array.h"
#include "design/DesignValues.h"
#include "input/LoadCases.h"
#include "loads/Loads.h"

namespace spanwise {

// The unit switched on or off: a fixed case's loads together; in a variable
// case the loads on one member, and the loads on one joint.
struct LoadGroup {
  long load_case = 1;                    // 1-based
  long member = 0;                       // of a variable case's member group, else 0
  long joint = 0;                        // of a variable case's joint group, else 0
  std::vector<MemberLoad> member_loads;  // placed on their members, acting
  std::vector<JointLoadRecord> joint_loads;
};

// Every group of the model, case by case in order. case1 is the loads of
// sections 6 and 7 as the load stage read them.
//   JN, XCoord in: for placing the loads. Fault: a load of a further case
//   that does not lie on its member (DataError naming its line).
void MakeLoadGroups(const LoadRecords& case1, const LoadCases& cases, Array2& JN, Array1& XCoord,
                    std::vector<LoadGroup>& groups);

// What each group alone does: per member its local end forces F1 (Fy at end
// i) and F2 (Mz at end i) and its end i deflection and rotation in member
// axes; per joint its reactions (0 where not restrained).
struct GroupEffects {
  long groups = 0;
  std::vector<double> member;    // ((m - 1) * groups + g) * 4 + {F1, F2, v_i, theta_i}
  std::vector<double> reaction;  // ((J - 1) * groups + g) * 2 + {fy, mz}
};

// Computes the envelope of every combination into design.combinations;
// after an overflow there are none, and design.warnings says so.
//   groups, effects in; cases in: the combinations; the structure in.
void Envelopes(const std::vector<LoadGroup>& groups, const GroupEffects& effects,
               const LoadCases& cases, long NJ, long NM, Array1& XCoord, Array1& FixFy,
               Array1& FixMz, Array1& YM, Array1& MI, Array2& JN, Array2& Property,
               DesignValues& design);

}  // namespace spanwise
