#include "common/MemberGeometry.h"
#include "stiffness/Stiffness.h"

namespace spanwise {

void GlobalStiffness(long I, const Structure& structure, MemberStiffness& k) {
  const Array2& JN = structure.JN;
  const Array1& XCoord = structure.XCoord;
  const Array3 &LoMemK11 = k.KP11, &LoMemK12 = k.KP12, &LoMemK21 = k.KP21, &LoMemK22 = k.KP22;
  Array3 &GloMemK11 = k.GloMemK11, &GloMemK12 = k.GloMemK12;
  Array3 &GloMemK21 = k.GloMemK21, &GloMemK22 = k.GloMemK22;
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
