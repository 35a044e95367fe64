// One joint-load record, as the load stage, the drawing's reader and the
// block of load cases all read it.
#pragma once

#include "input/FieldReader.h"
#include "input/Layout.h"

namespace spanwise {

struct JointLoadRecord {
  int line = 0;  // input line of the joint number
  long joint = 0;
  double fy = 0, mz = 0;
};

// Reads record `record` of a joint-load section laid out as layout.
// Faults: end of file, a field that is no number, a joint number outside
// 1..NoOfJoints.
JointLoadRecord ReadJointLoad(FieldReader& Channel1, long record, long NoOfJoints,
                              const SectionLayout& layout = kJointLoads);

}  // namespace spanwise
