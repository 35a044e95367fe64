#include "common/FloatingPoint.h"
#include "input/Layout.h"
#include "input/ReadCount.h"
#include "loads/Loads.h"

namespace spanwise {

void JointLoad(Array1& GloExtLoad2, FieldReader& Channel1, LoadRecords* records) {
  const long joints = GloExtLoad2.upper() / 2;
  const long count = ReadCount(Channel1, kJointLoads.Count(), false);
  for (long record = 1; record <= count; ++record) {
    const JointLoadRecord load = ReadJointLoad(Channel1, record, joints);
    const long J = load.joint;
    const int line = load.line;
    const double Fy = load.fy, Mz = load.mz;
    if (records != nullptr) records->joint_loads.push_back(load);
    GloExtLoad2(2 * J - 1) = GloExtLoad2(2 * J - 1) + Fy;
    GloExtLoad2(2 * J) = GloExtLoad2(2 * J) + Mz;
    if (FloatingPointFault())
      ThrowFloatingPointFault("line " + std::to_string(line) + ", joint loads record " +
                                  std::to_string(record) + ", loads at joint " + std::to_string(J),
                              line);
  }
}

}  // namespace spanwise
