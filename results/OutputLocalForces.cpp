#include <string>

#include "common/FloatingPoint.h"
#include "input/Layout.h"
#include "results/ReportLines.h"
#include "results/Results.h"

namespace spanwise {
namespace {

// The fixed-end actions are added to each entry just before it is written.
void EndForcesLine(OutputFile& report, const DecimFormat& decim, Array3& LoForce,
                   const Array2& LoExtLoad, long m, int first) {
  for (int r = first; r <= first + 1; ++r) LoForce(m, r, 1) = LoForce(m, r, 1) - LoExtLoad(m, r);
  ValueLine(report, decim, LoForce(m, first, 1), LoForce(m, first + 1, 1), true);
}

}  // namespace

void OutputLocalForces(long NoOfMembers1, Array3& LoForce1, const Array3& LoMemK1,
                       const Array3& LoDisp1, const Array2& LoExtLoad1, OutputFile& Channel99,
                       const DecimFormat& decim) {
  for (long m = 1; m <= NoOfMembers1; ++m) {
    for (int r = 1; r <= 4; ++r)
      for (int k = 1; k <= 4; ++k)
        LoForce1(m, r, 1) = LoForce1(m, r, 1) + LoMemK1(m, r, k) * LoDisp1(m, k, 1);
    if (FloatingPointFault())
      ThrowFloatingPointFault("end forces of member " + std::to_string(m),
                              RecordRef{kMembersSection, m});
  }

  Channel99.Line("LOCAL FORCES");
  for (long m = 1; m <= NoOfMembers1; ++m) {
    MemberLine(Channel99, m, "at Joint i (Fy, Mz)");
    EndForcesLine(Channel99, decim, LoForce1, LoExtLoad1, m, 1);
    MemberLine(Channel99, m, "at Joint j (Fy, Mz)");
    EndForcesLine(Channel99, decim, LoForce1, LoExtLoad1, m, 3);
    Channel99.EndLine();
    if (FloatingPointFault())
      ThrowFloatingPointFault("end forces of member " + std::to_string(m),
                              RecordRef{kMembersSection, m});
  }
}

}  // namespace spanwise
