#include "common/MemberGeometry.h"
#include "results/Results.h"

namespace spanwise {

// The copy runs from GloDisp into LoDisp, the name notwithstanding.
void LoDispToGloDisp(long NoOfMembers1, Array3& LoDisp1, const Array3& GloDisp1, const Array2& JN1,
                     const Array1& XCoord1) {
  for (long m = 1; m <= NoOfMembers1; ++m) {
    const double rotation = RotationSign(m, JN1, XCoord1);
    for (int r = 1; r <= 4; ++r)
      LoDisp1(m, r, 1) = r % 2 == 0 ? rotation * GloDisp1(m, r, 1) : GloDisp1(m, r, 1);
  }
}

}  // namespace spanwise
