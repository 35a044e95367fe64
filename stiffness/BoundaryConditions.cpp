#include "stiffness/Stiffness.h"

namespace spanwise {

void BoundaryConditions(long NoOfJoints1, const Array1& FixFy1, const Array1& FixMz1,
                        BandMatrix& GlstK1, Array1& GloExtLoad1) {
  constexpr double kLargeNumber = 1e30;  // overwrites the diagonal, is not added to it
  for (long j = 1; j <= NoOfJoints1; ++j) {
    const long p = 2 * j - 1;
    if (FixFy1(j) == 1) {
      GlstK1(p, p) = kLargeNumber;
      GloExtLoad1(p) = 0;
    }
    if (FixMz1(j) == 1) {
      GlstK1(p + 1, p + 1) = kLargeNumber;
      GloExtLoad1(p + 1) = 0;
    }
  }
}

}  // namespace spanwise
