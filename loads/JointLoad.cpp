#include "common/FloatingPoint.h"
#include "input/Layout.h"
#include "input/ReadCount.h"
#include "loads/Loads.h"

namespace spanwise {

void JointLoad(long NJ, FieldReader& Channel1, std::vector<JointLoadRecord>& records) {
  const long count = ReadCount(Channel1, kJointLoads.Count(), false);
  for (long record = 1; record <= count; ++record)
    records.push_back(ReadJointLoad(Channel1, record, NJ));
}

void AddJointLoads(const std::vector<JointLoadRecord>& records, Array1& GloExtLoad2) {
  long record = 0;
  for (const JointLoadRecord& load : records) {
    ++record;
    const long J = load.joint;
    const int line = load.line;
    const double Fy = load.fy, Mz = load.mz;
    GloExtLoad2(2 * J - 1) = GloExtLoad2(2 * J - 1) + Fy;
    GloExtLoad2(2 * J) = GloExtLoad2(2 * J) + Mz;
    if (FloatingPointFault())
      ThrowFloatingPointFault("line " + std::to_string(line) + ", joint loads record " +
                                  std::to_string(record) + ", loads at joint " + std::to_string(J),
                              line);
  }
}

}  // namespace spanwise
