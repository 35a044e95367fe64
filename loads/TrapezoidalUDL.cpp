#include "loads/Loads.h"

namespace spanwise {

// The closed forms integrate the point-load actions over the loaded length.
// d, r and S are written out at every use with one grouping, so that every
// evaluation rounds alike.
void TrapezoidalUDL(long BeamNo1, double w1a, double w2a, double l1a, double l2a, double La,
                    Array2& LoExtLoad2) {
  const double wa = w1a;
  const double wb = w2a;
  const double a = l1a;
  const double c = l2a;
  const double L = La;
  const double d = L - a;  // start of the load to end j
  const double r = c / d;  // unloaded length at end j over d
  const double S = (1 + r) + r * r;
  const double d3 = (d * d) * d;
  const double r3 = (r * r) * r;
  const double c3 = (c * c) * c;

  const double A1 = (wa * d3) / (20 * ((L * L) * L));
  const double B1 = (c * (3 * L + 2 * a)) / d;
  const double A2 = (wb * d3) / (20 * ((L * L) * L));
  const double Q1 = c3 / (d * d);
  const double U1 = (15 * L - 8 * c) / d;
  const double R1 = (A1 * ((((7 * L + 8 * a) - B1 * S)) + (r3 * 2) * c)) +
                    (A2 * ((3 * L + 2 * a) * S - Q1 * (2 + U1)));

  const double C1 = (wa * d3) / (60 * (L * L));
  const double D1 = (c * (2 * L + 3 * a)) / d;
  const double C2 = (wb * d3) / (60 * (L * L));
  const double Q2 = (3 * c3) / (d * d);
  const double U2 = (5 * L - 4 * c) / d;
  const double M1 = (C1 * ((3 * (L + 4 * a) - D1 * S) + (r3 * 3) * c)) +
                    (C2 * ((2 * L + 3 * a) * S - Q2 * (1 + U2)));

  const double R2 = ((wa + wb) / 2) * ((L - a) - c) - R1;
  const double M2 =
      ((((L - a) - c) / 6) * (wa * ((-2 * L + 2 * a) - c) - wb * ((L - a) + 2 * c)) + R1 * L) - M1;

  LoExtLoad2(BeamNo1, 1) = LoExtLoad2(BeamNo1, 1) - R1;
  LoExtLoad2(BeamNo1, 2) = LoExtLoad2(BeamNo1, 2) - M1;
  LoExtLoad2(BeamNo1, 3) = LoExtLoad2(BeamNo1, 3) - R2;
  LoExtLoad2(BeamNo1, 4) = LoExtLoad2(BeamNo1, 4) - M2;
}

}  // namespace spanwise
