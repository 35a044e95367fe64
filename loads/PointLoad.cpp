#include "loads/Loads.h"

namespace spanwise {

void PointLoad(long BeamNo1, const double& w1a, const double& /*w2a*/, const double& l1a,
               double& l2a, const double& La, Array2& LoExtLoad2, const Array1& /*GloExtLoad2*/,
               const Array2& /*JN3*/) {
  const double P = w1a;
  const double a = l1a;
  const double L = La;
  l2a = La - l1a;
  const double b = l2a;

  const double R1 = ((P * (b * b)) * (3 * a + b)) / ((L * L) * L);
  const double M1 = ((P * a) * (b * b)) / (L * L);
  const double R2 = ((P * (a * a)) * (a + 3 * b)) / ((L * L) * L);
  const double M2 = (((-P) * (a * a)) * b) / (L * L);

  LoExtLoad2(BeamNo1, 1) = LoExtLoad2(BeamNo1, 1) - R1;
  LoExtLoad2(BeamNo1, 2) = LoExtLoad2(BeamNo1, 2) - M1;
  LoExtLoad2(BeamNo1, 3) = LoExtLoad2(BeamNo1, 3) - R2;
  LoExtLoad2(BeamNo1, 4) = LoExtLoad2(BeamNo1, 4) - M2;
}

}  // namespace spanwise
