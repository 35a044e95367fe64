#include "loads/Loads.h"

namespace spanwise {

void PointLoad(long BeamNo1, double w1a, double l1a, double La, Array2& LoExtLoad2) {
  const double P = w1a;
  const double a = l1a;
  const double L = La;
  const double b = La - l1a;

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

namespace spanwise {

void FixedEndActions(const MemberLoad& load, double L, Array2& LoExtLoad) {
  switch (load.Kind()) {
    case LoadKind::kPoint:
      PointLoad(load.m, load.w1, load.l1, L, LoExtLoad);
      break;
    case LoadKind::kDistributed:
      TrapezoidalUDL(load.m, load.w1, load.w2, load.l1, load.l2, L, LoExtLoad);
      break;
    case LoadKind::kNone:
      break;
  }
}

}  // namespace spanwise
