#include "common/MemberGeometry.h"
#include "results/ReportLines.h"
#include "results/Results.h"

namespace spanwise {

// End forces per member end; no sums per joint are formed.
void OutputGlobalForces(long NoOfMembers1, Array3& GloForce1, const Array3& LoForce1,
                        const Array2& JN1, const Array1& XCoord1, OutputFile& Channel99,
                        const DecimFormat& decim) {
  for (long m = 1; m <= NoOfMembers1; ++m) {
    const double rotation = RotationSign(m, JN1, XCoord1);
    for (int r = 1; r <= 4; ++r)
      GloForce1(m, r, 1) = r % 2 == 0 ? rotation * LoForce1(m, r, 1) : LoForce1(m, r, 1);
  }

  Channel99.Line("GLOBAL FORCES / REACTIONS");
  for (long m = 1; m <= NoOfMembers1; ++m) {
    MemberLine(Channel99, m, "at Joint i (Fy, Mz)");
    ValueLine(Channel99, decim, GloForce1(m, 1, 1), GloForce1(m, 2, 1), true);
    MemberLine(Channel99, m, "at Joint j (Fy, Mz)");
    ValueLine(Channel99, decim, GloForce1(m, 3, 1), GloForce1(m, 4, 1), true);
    Channel99.EndLine();
  }
  Channel99.EndLine();
}

}  // namespace spanwise
