#include "common/MemberGeometry.h"
#include "stiffness/Stiffness.h"

namespace spanwise {

void GlobalStiffness(long I, Array3& GloMemK11, Array3& GloMemK12, Array3& GloMemK21,
                     Array3& GloMemK22, const Array3& LoMemK11, const Array3& LoMemK12,
                     const Array3& LoMemK21, const Array3& LoMemK22, const Array2& JN,
                     const Array1& XCoord) {
  // T * K * T with T = diag(1, -1) reverses the sign of the entries that link
  // a translation with a rotation.
  const double rotation = RotationSign(I, JN, XCoord);
  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 2; ++c) {
      const double sign = r != c ? rotation : 1.0;
      GloMemK11(I, r, c) = sign * LoMemK11(I, r, c);
      GloMemK12(I, r, c) = sign * LoMemK12(I, r, c);
      GloMemK21(I, r, c) = sign * LoMemK21(I, r, c);
      GloMemK22(I, r, c) = sign * LoMemK22(I, r, c);
    }
  }
}

}  // namespace spanwise
