#include "common/MemberGeometry.h"

#include <cmath>

namespace spanwise {

double MemberLength(long m, Array2& JN, Array1& XCoord) {
  const double d = XCoord(JN(m, 2)) - XCoord(JN(m, 1));
  return std::sqrt(d * d);
}

double RotationSign(long m, Array2& JN, Array1& XCoord) {
  return XCoord(JN(m, 2)) < XCoord(JN(m, 1)) ? -1.0 : 1.0;
}

}  // namespace spanwise
