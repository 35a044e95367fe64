#include "common/FloatingPoint.h"
#include "input/Layout.h"
#include "input/ReadCount.h"
#include "loads/Loads.h"

namespace spanwise {

void JointLoad(Array1& GloExtLoad2, FieldReader& Channel1) {
  const long joints = GloExtLoad2.upper() / 2;
  const long count = ReadCount(Channel1, kJointLoads.Count(), false);
  for (long record = 1; record <= count; ++record) {
    const long J = ReadIndex(Channel1, kJointLoads.Field(record, 1), joints, "joint");
    const int line = Channel1.line();
    const double Fy = Channel1.ReadNumber(kJointLoads.Field(record, 2));
    const double Mz = Channel1.ReadNumber(kJointLoads.Field(record, 3));
    Channel1.ReadLabel(kJointLoads.Label(record));
    GloExtLoad2(2 * J - 1) = GloExtLoad2(2 * J - 1) + Fy;
    GloExtLoad2(2 * J) = GloExtLoad2(2 * J) + Mz;
    if (FloatingPointFault())
      ThrowFloatingPointFault("line " + std::to_string(line) + ", joint loads record " +
                                  std::to_string(record) + ", loads at joint " + std::to_string(J),
                              line);
  }
}

}  // namespace spanwise
