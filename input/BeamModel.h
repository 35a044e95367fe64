// The beam as the input file states it, for drawing: joints, supports,
// members and loads, without analysing anything. The input window's pane
// draws it while the engineer types; the Beam window draws it with results.
#pragma once

#include <string>
#include <vector>

#include "common/Support.h"
#include "common/Units.h"

namespace spanwise {

struct BeamModel {
  struct Joint {
    double x = 0;
    Support support;
  };
  struct Member {
    long i = 0, j = 0;  // joint numbers of end i and end j (1-based)
    int released = 0;   // its hinges: kReleaseI, kReleaseJ (common/Structure.h)
  };
  struct MemberLoad {
    int line = 0;  // input line of its member number
    long member = 0;
    double type = 0;  // 1 point, 2 or 4 distributed, anything else adds nothing
    // As placed on the member: a position a rounding residue off the member
    // is moved onto its end.
    double w1 = 0, w2 = 0, l1 = 0, l2 = 0;
  };
  struct JointLoad {
    int line = 0;
    long joint = 0;
    double fy = 0, mz = 0;
  };
  std::vector<Joint> joints;  // joints[n - 1] is joint n
  std::vector<Member> members;
  std::vector<MemberLoad> member_loads;
  std::vector<JointLoad> joint_loads;
  std::vector<Settlement> settlements;  // of the loads shown
  Units units;                          // of the UNITS block, empty without it
  // Said aloud but no faults, as the run says them, e.g. "line 12, member
  // loads record 3: load type 3 is not 1, 2 or 4; this record adds no load".
  std::vector<std::string> warnings;
};

// Reads the seven sections and the blocks after them (springs, releases,
// the settlements of case 1 and the units) from the bytes of an input file, with the run's
// own checks and reasons. Fault: DataError, as the run would raise it while
// reading (a load off its member is one; a mechanism is not looked for).
BeamModel ReadBeamModel(std::string bytes);

}  // namespace spanwise
