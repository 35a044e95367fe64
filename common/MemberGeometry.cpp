#include "common/MemberGeometry.h"

#include <cmath>

namespace spanwise {

double MemberLength(long m, const Array2& JN, const Array1& XCoord) {
  const double d = XCoord(JN(m, 2)) - XCoord(JN(m, 1));
  return std::sqrt(d * d);
}

double RotationSign(long m, const Array2& JN, const Array1& XCoord) {
  return XCoord(JN(m, 2)) < XCoord(JN(m, 1)) ? -1.0 : 1.0;
}

}  // namespace spanwise
